#include "platform/settings/ini_key.h"

namespace qv::settings {

namespace {

constexpr char kEscape = '|';

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool mustEscape(std::string_view key, std::size_t i) {
    const char c = key[i];
    if (c == kEscape || c == '=' || c == '\r' || c == '\n') return true;
    if (i == 0 && (isBlank(c) || c == '[' || c == ';')) return true;
    return i + 1 == key.size() && isBlank(c);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string EncodeIniKey(std::string_view key) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(key.size());
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!mustEscape(key, i)) {
            out += key[i];
            continue;
        }
        const auto c = static_cast<unsigned char>(key[i]);
        out += kEscape;
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

std::string DecodeIniKey(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == kEscape && i + 2 < stored.size() && hexValue(stored[i + 1]) >= 0 &&
            hexValue(stored[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(stored[i + 1]) * 16 + hexValue(stored[i + 2]));
            i += 2;
        } else {
            out += stored[i];
        }
    }
    return out;
}

}  // namespace qv::settings
