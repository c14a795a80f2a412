#pragma once
// An INI file held as its lines, so that an edit changes only the lines it must and every other
// byte of the file stays as it was. Sections and keys are matched without regard to case;
// names and values are read trimmed of surrounding blanks (spaces and tabs). A line ends at CR LF,
// LF or a lone CR; a rewritten line keeps its end, and lines this class adds end as the file's
// first line does (CR LF in a file without line ends).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::settings {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The value of key in the first section of that name; nullopt when either is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The key names of the first section of that name, in file order; nullopt when absent.
    std::optional<std::vector<std::string>> keys(std::string_view section) const;
    std::vector<std::string> sections() const;

    // Replaces the first line of key in the section, or adds the key after the section's last
    // line, or adds the section at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines; false when there was none.
    bool removeSection(std::string_view section);

    std::string text() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string body;  // the line without its end
        std::string end;   // "\r\n", "\n", "\r" or "" (last line without an end)
        Kind kind = Kind::Other;
        std::string name;  // section name or key name, trimmed
        std::string value; // entry value, trimmed
    };
    static Line parseLine(std::string body, std::string end);
    // Index of the first header of the section, or lines_.size().
    std::size_t findSection(std::string_view section) const;
    // One past the last line of the section whose header is at index h.
    std::size_t sectionEnd(std::size_t h) const;
    void insertLine(std::size_t at, std::string body);
    // The end that added lines take.
    std::string lineEnd() const;

    std::vector<Line> lines_;
};

// Blanks as the profile functions see them: spaces and tabs.
std::string trimBlanks(std::string_view s);

}  // namespace qv::settings
