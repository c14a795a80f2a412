#include "cipher/base64.h"

#include <array>
#include <cstdint>

namespace qv::cipher {

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int8_t, 256> decodeTable() {
    std::array<int8_t, 256> t{};
    for (auto& v : t) v = -1;
    for (int k = 0; k < 64; ++k) t[static_cast<unsigned char>(kAlphabet[k])] = static_cast<int8_t>(k);
    t['='] = 64;
    return t;
}
constexpr auto kDecode = decodeTable();
}  // namespace

std::string Base64Encode(std::string_view text, int lineLength) {
    if (lineLength < 10) lineLength = 10;
    std::string out;
    out.reserve(text.size() / 3 * 4 + text.size() / 3 * 8 / static_cast<std::size_t>(lineLength) + 8);
    auto byte = [&](std::size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(text[k])); };
    const std::size_t groups = text.size() / 3;
    int column = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        const uint32_t v = byte(3 * g) << 16 | byte(3 * g + 1) << 8 | byte(3 * g + 2);
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
        column += 4;
        if (column >= lineLength) {
            out += "\r\n";
            column = 0;
        }
    }
    const std::size_t rest = text.size() - 3 * groups;
    if (rest > 0) {
        uint32_t v = byte(3 * groups) << 16;
        if (rest == 2) v |= byte(3 * groups + 1) << 8;
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text) {
    std::string out;
    if (text.size() < 4) return out;
    out.reserve(text.size() / 4 * 3);
    int q[4];
    int have = 0;
    for (char ch : text) {
        const int v = kDecode[static_cast<unsigned char>(ch)];
        if (v < 0) continue;
        q[have++] = v;
        if (have < 4) continue;
        have = 0;
        out += static_cast<char>((q[0] * 4 + q[1] / 16) & 255);
        out += static_cast<char>((q[1] * 16 + q[2] / 4) & 255);
        out += static_cast<char>((q[2] * 64 + q[3]) & 255);
        if (q[3] == 64) out.pop_back();
        if (q[2] == 64) out.pop_back();
    }
    return out;
}

}  // namespace qv::cipher
