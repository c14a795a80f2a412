#include "platform/forms/file_filter.h"

#include <cctype>

namespace qv::forms {
namespace {

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = s.find(sep, from);
        out.emplace_back(s.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) return out;
        from = at + 1;
    }
}

bool same(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<FileType> parseFileFilter(std::string_view filter) {
    std::vector<FileType> out;
    const std::vector<std::string> parts = split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileType t{parts[i], {}};
        for (std::string& p : split(parts[i + 1], ';'))
            if (!p.empty()) t.patterns.push_back(std::move(p));
        out.push_back(std::move(t));
    }
    if (out.empty()) out.push_back({"All files (*.*)", {"*"}});
    return out;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") return true;
    // Greedy match with one point to go back to: the last "*" seen.
    std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool matchesType(std::string_view name, const FileType& type) {
    for (const std::string& p : type.patterns)
        if (matchesPattern(name, p)) return true;
    return false;
}

}  // namespace qv::forms
