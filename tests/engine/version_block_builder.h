#pragma once
// Builds small executables with version blocks laid out as resource compilers lay them out:
// each entry a length, a value length, (in the wide form) a type, the key with its terminating
// zero, padding to four bytes, then the value with its zero and padding.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qv::engine::test {

using Entries = std::vector<std::pair<std::string, std::string>>;

inline void pad4(std::string& s) {
    while (s.size() % 4) s.push_back('\0');
}

inline void put16(std::string& s, std::size_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline std::string wide(const std::string& t) {
    std::string w;
    for (char c : t) {
        w.push_back(c);
        w.push_back('\0');
    }
    return w;
}

// A file head that holds no version key texts.
inline std::string executableHead() {
    std::string s = "MZ";
    s.append(62, '\x90');
    s += "This program needs a desktop.\r\n";
    pad4(s);
    s.append(64, '\xCC');
    return s;
}

inline std::string wideBlock(const Entries& entries) {
    std::string s;
    put16(s, 0);
    put16(s, 0);
    put16(s, 1);
    s += wide("StringFileInfo") + std::string(2, '\0');
    pad4(s);
    for (const auto& [key, value] : entries) {
        std::string e;
        put16(e, 0);
        put16(e, value.size() + 1);
        put16(e, 1);
        e += wide(key) + std::string(2, '\0');
        pad4(e);
        e += wide(value) + std::string(2, '\0');
        pad4(e);
        e[0] = static_cast<char>(e.size() & 0xFF);
        s += e;
    }
    return s;
}

inline std::string narrowBlock(const Entries& entries) {
    std::string s;
    put16(s, 0);
    put16(s, 0);
    s += "StringFileInfo";
    s.push_back('\0');
    pad4(s);
    for (const auto& [key, value] : entries) {
        std::string e;
        put16(e, 0);
        put16(e, value.size() + 1);
        e += key;
        e.push_back('\0');
        pad4(e);
        e += value;
        e.push_back('\0');
        pad4(e);
        e[0] = static_cast<char>(e.size() & 0xFF);
        s += e;
    }
    return s;
}

}  // namespace qv::engine::test
