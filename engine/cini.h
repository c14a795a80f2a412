#pragma once
// A settings file: one INI file (Path), one section (Section), one key (Key) and a fallback text
// (Default). Reading or writing Value reads or writes that key. The properties are sticky: a call
// uses the last value set for each. Every access goes to the file, so two objects on one file see
// each other's writes at once. Any text can be a key, an application path with "=" or line
// breaks among them: the file holds such keys encoded (platform/settings/ini_key.h).
//
// A write that fails is never silent: it writes a security-log line, and the first one of a run
// also shows a message box.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::engine {

class cINI {
public:
    // The result of the last Value write, DeleteValue, DeleteSection or INISection write:
    // non-zero on success.
    int32_t LastReturnCode() const { return lastReturnCode_; }

    void Default(std::string_view text) { default_ = text; }
    const std::string& Default() const { return default_; }
    void Path(std::string_view text) { path_ = text; }
    const std::string& Path() const { return path_; }
    void Key(std::string_view text) { key_ = text; }
    const std::string& Key() const { return key_; }
    void Section(std::string_view text) { section_ = text; }
    const std::string& Section() const { return section_; }

    // The stored text (at most 1023 characters), or Default when the key or file is absent.
    std::string Value() const;
    // Stores text without its code-0 characters.
    void Value(std::string_view text);
    // Keeps the key with an empty value: a later read gives "", not Default.
    void DeleteValue();
    // Removes the whole section with all its keys.
    void DeleteSection();
    // The section's key names, each followed by a code-0 character; a list longer than 254
    // characters is cut. Default when the section is missing or empty.
    std::string INISection() const;
    // Removes the section; the text is not stored.
    void INISection(std::string_view text);
    // Every key name of the section, decoded, in the file's order, however long the list; none
    // for a missing or empty section.
    std::vector<std::string> SectionKeys() const;

    // How many writes all objects of the class have made in this run: a reader that keeps values
    // between reads knows they may be stale when this has moved.
    static uint64_t WriteCount();
    // The next failed write shows the message box again, as in a new run (for tests).
    static void ResetWriteFailureNotice();

private:
    // Keeps the platform call's result and reports a failure.
    void finishWrite(long result, bool withKey);

    std::string path_;
    std::string key_;
    std::string section_;
    std::string default_;
    int32_t lastReturnCode_ = 0;
};

}  // namespace qv::engine
