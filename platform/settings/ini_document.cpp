#include "platform/settings/ini_document.h"

#include "platform/base/text.h"

namespace qv::settings {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

IniDocument::Line IniDocument::parseLine(std::string body, std::string end) {
    Line line;
    line.body = std::move(body);
    line.end = std::move(end);
    std::string_view s = line.body;
    std::size_t b = 0;
    while (b < s.size() && isBlank(s[b])) ++b;
    s.remove_prefix(b);
    if (s.empty() || s.front() == ';') return line;
    if (s.front() == '[') {
        std::size_t close = s.find(']');
        line.kind = Kind::Section;
        line.name = trimBlanks(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return line;
    }
    std::size_t eq = s.find('=');
    if (eq == std::string_view::npos) return line;
    line.kind = Kind::Entry;
    line.name = trimBlanks(s.substr(0, eq));
    line.value = trimBlanks(s.substr(eq + 1));
    return line;
}

IniDocument::IniDocument(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines_.push_back(parseLine(std::string(text.substr(pos)), ""));
            break;
        }
        const std::size_t endSize = text.compare(brk, 2, "\r\n") == 0 ? 2 : 1;
        lines_.push_back(parseLine(std::string(text.substr(pos, brk - pos)), std::string(text.substr(brk, endSize))));
        pos = brk + endSize;
    }
}

std::string IniDocument::lineEnd() const {
    for (const auto& l : lines_)
        if (!l.end.empty()) return l.end;
    return "\r\n";
}

std::size_t IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && base::equalsNoCase(lines_[i].name, section)) return i;
    return lines_.size();
}

std::size_t IniDocument::sectionEnd(std::size_t h) const {
    std::size_t i = h + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    std::size_t h = findSection(section);
    if (h == lines_.size()) return std::nullopt;
    for (std::size_t i = h + 1, e = sectionEnd(h); i < e; ++i)
        if (lines_[i].kind == Kind::Entry && base::equalsNoCase(lines_[i].name, key)) return lines_[i].value;
    return std::nullopt;
}

std::optional<std::vector<std::string>> IniDocument::keys(std::string_view section) const {
    std::size_t h = findSection(section);
    if (h == lines_.size()) return std::nullopt;
    std::vector<std::string> names;
    for (std::size_t i = h + 1, e = sectionEnd(h); i < e; ++i)
        if (lines_[i].kind == Kind::Entry) names.push_back(lines_[i].name);
    return names;
}

std::vector<std::string> IniDocument::sections() const {
    std::vector<std::string> names;
    for (const auto& l : lines_)
        if (l.kind == Kind::Section) names.push_back(l.name);
    return names;
}

void IniDocument::insertLine(std::size_t at, std::string body) {
    const std::string end = lineEnd();
    // The line before gets an end if it was the file's unterminated last line.
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), parseLine(std::move(body), end));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::size_t h = findSection(section);
    if (h == lines_.size()) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    std::size_t e = sectionEnd(h);
    for (std::size_t i = h + 1; i < e; ++i) {
        if (lines_[i].kind == Kind::Entry && base::equalsNoCase(lines_[i].name, key)) {
            // The stored spelling of the key and the line's end are kept; only this line changes.
            lines_[i] = parseLine(lines_[i].name + "=" + std::string(value), lines_[i].end);
            return;
        }
    }
    // After the section's last non-blank line, so blank lines before the next section stay there.
    std::size_t at = e;
    while (at > h + 1 && trimBlanks(lines_[at - 1].body).empty()) --at;
    insertLine(at, std::string(key) + "=" + std::string(value));
}

bool IniDocument::removeSection(std::string_view section) {
    bool removed = false;
    for (std::size_t h = findSection(section); h < lines_.size(); h = findSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(h),
                     lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(h)));
        removed = true;
    }
    return removed;
}

std::string IniDocument::text() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l.body;
        out += l.end;
    }
    return out;
}

}  // namespace qv::settings
