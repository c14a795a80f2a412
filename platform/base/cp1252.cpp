#include "platform/base/cp1252.h"

namespace qv::base {

namespace {
// 0x80..0x9F
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void putUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return 0x80 + i;
    return -1;
}
}  // namespace

char32_t cp1252CodePoint(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kHigh[c - 0x80];
    return c;
}

std::string cp1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) putUtf8(out, cp1252CodePoint(static_cast<unsigned char>(ch)));
    return out;
}

namespace {

// The code point of the UTF-8 sequence at s[i], advancing i; nullopt (i unchanged) for a
// malformed one.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) return std::nullopt;
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < len; ++k) {
        const auto n = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((n & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (n & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(len);
    return cp;
}

}  // namespace

std::string utf8ToCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto cp = nextCodePoint(s, i);
        if (!cp) {
            out += s[i++];
            continue;
        }
        const int b = toCp1252(*cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::optional<std::string> utf8ToCp1252Exact(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto cp = nextCodePoint(s, i);
        if (!cp) return std::nullopt;
        const int b = toCp1252(*cp);
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();)
        if (!nextCodePoint(s, i)) return false;
    return true;
}

}  // namespace qv::base
