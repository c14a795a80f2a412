#include "platform/base/text.h"

#include <algorithm>

#include "platform/base/basic_error.h"

namespace qv::base {

namespace {
std::size_t clampLen(std::string_view s, std::ptrdiff_t n) {
    if (n < 0) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    return std::min<std::size_t>(static_cast<std::size_t>(n), s.size());
}
}  // namespace

std::string Left(std::string_view s, std::ptrdiff_t n) { return std::string(s.substr(0, clampLen(s, n))); }

std::string Right(std::string_view s, std::ptrdiff_t n) {
    std::size_t k = clampLen(s, n);
    return std::string(s.substr(s.size() - k));
}

std::string Mid(std::string_view s, std::ptrdiff_t start) {
    if (start < 1) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    if (static_cast<std::size_t>(start) > s.size()) return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1)));
}

std::string Mid(std::string_view s, std::ptrdiff_t start, std::ptrdiff_t length) {
    if (start < 1 || length < 0) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    if (static_cast<std::size_t>(start) > s.size()) return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length)));
}

unsigned char lowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}

unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}

std::string LCase(std::string_view s) {
    std::string r(s);
    for (auto& c : r) c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    return r;
}

std::string UCase(std::string_view s) {
    std::string r(s);
    for (auto& c : r) c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    return r;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerByte(static_cast<unsigned char>(a[i])) != lowerByte(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::ptrdiff_t InStr(std::ptrdiff_t start, std::string_view s, std::string_view find, bool textCompare) {
    if (start < 1) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    auto from = static_cast<std::size_t>(start - 1);
    if (from > s.size() || s.empty()) return 0;
    if (find.empty()) return start;
    if (find.size() > s.size()) return 0;
    for (std::size_t i = from; i + find.size() <= s.size(); ++i) {
        std::string_view part = s.substr(i, find.size());
        if (textCompare ? equalsNoCase(part, find) : part == find) return static_cast<std::ptrdiff_t>(i + 1);
    }
    return 0;
}

std::ptrdiff_t InStr(std::string_view s, std::string_view find, bool textCompare) {
    return InStr(1, s, find, textCompare);
}

std::ptrdiff_t InStrRev(std::string_view s, std::string_view find) {
    if (find.empty()) return static_cast<std::ptrdiff_t>(s.size());
    auto p = s.rfind(find);
    return p == std::string_view::npos ? 0 : static_cast<std::ptrdiff_t>(p + 1);
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(s);
    std::string r;
    r.reserve(s.size());
    std::size_t i = 0;
    while (true) {
        auto p = s.find(find, i);
        if (p == std::string_view::npos) break;
        r.append(s.substr(i, p - i));
        r.append(with);
        i = p + find.size();
    }
    r.append(s.substr(i));
    return r;
}

std::vector<std::string> Split(std::string_view s, std::string_view delimiter) {
    std::vector<std::string> parts;
    if (s.empty()) return parts;
    if (delimiter.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    std::size_t i = 0;
    while (true) {
        auto p = s.find(delimiter, i);
        if (p == std::string_view::npos) {
            parts.emplace_back(s.substr(i));
            break;
        }
        parts.emplace_back(s.substr(i, p - i));
        i = p + delimiter.size();
    }
    return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
    std::string r;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) r.append(delimiter);
        r.append(parts[i]);
    }
    return r;
}

std::string LTrim(std::string_view s) {
    auto p = s.find_first_not_of(' ');
    return p == std::string_view::npos ? std::string() : std::string(s.substr(p));
}

std::string RTrim(std::string_view s) {
    auto p = s.find_last_not_of(' ');
    return p == std::string_view::npos ? std::string() : std::string(s.substr(0, p + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string Space(std::ptrdiff_t n) {
    if (n < 0) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string Chr(int code) {
    if (code < 0 || code > 255) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    return std::string(1, static_cast<char>(code));
}

int Asc(std::string_view s) {
    if (s.empty()) throw BasicError(kInvalidProcedureCall, "Invalid procedure call or argument");
    return static_cast<unsigned char>(s[0]);
}

}  // namespace qv::base
