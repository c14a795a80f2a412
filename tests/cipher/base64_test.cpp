#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

std::string Bytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t k = 0; k < n; ++k) s[k] = static_cast<char>(k * 37 + 11);
    return s;
}

// Lines of the encoded text split at CR LF; a trailing CR LF gives an empty last line.
std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> v;
    std::size_t at = 0;
    for (std::size_t k; (k = s.find("\r\n", at)) != std::string::npos; at = k + 2) v.push_back(s.substr(at, k - at));
    v.push_back(s.substr(at));
    return v;
}

TEST(Base64, StandardAlphabetAndPadding) {
    const struct {
        std::string plain;
        std::string encoded;
    } cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foobar", "Zm9vYmFy"},
        {std::string("\0", 1), "AA=="},
        {"\xff\xfe\xfd", "//79"},
        {"\xfb\xef\xbe", "++++"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Encode(c.plain, 60), c.encoded) << c.encoded;
        EXPECT_EQ(Base64Decode(c.encoded), c.plain) << c.encoded;
    }
}

TEST(Base64, LineLayout) {
    const struct {
        std::size_t bytes;
        int lineLength;
        std::vector<std::size_t> lines;  // lengths of the lines between CR LFs
    } cases[] = {
        {45, 60, {60, 0}},       // 15 full groups end the line: CR LF and nothing after it
        {44, 60, {60}},          // 14 groups, then three characters and "=" on the same line
        {46, 60, {60, 4}},       // the padded group after the CR LF
        {90, 60, {60, 60, 0}},
        {3, 60, {4}},
        {48, 61, {64, 0}},       // a line ends at the first group that reaches the length
        {9, 4, {12, 0}},         // line lengths below 10 count as 10
        {10, 10, {12, 4}},
    };
    for (const auto& c : cases) {
        const std::string encoded = Base64Encode(Bytes(c.bytes), c.lineLength);
        std::vector<std::size_t> lengths;
        for (const auto& l : Lines(encoded)) lengths.push_back(l.size());
        EXPECT_EQ(lengths, c.lines) << c.bytes << " bytes, lines of " << c.lineLength;
        EXPECT_EQ(Base64Decode(encoded), Bytes(c.bytes));
    }
    const std::string e44 = Base64Encode(Bytes(44), 60);
    EXPECT_EQ(e44.back(), '=');
    EXPECT_NE(e44[e44.size() - 2], '=');
}

TEST(Base64, DecodingSkipsForeignCharactersAndGoesOnAfterPadding) {
    const struct {
        std::string encoded;
        std::string plain;
    } cases[] = {
        {"Zm9v\r\nYmFy", "foobar"},
        {" Z m 9\tv*YmFy\n", "foobar"},  // blanks and characters outside the alphabet
        {"Zg==Zm8=", "ffo"},               // padding does not end the decoding
        {"Zm9vYg", "foo"},                 // an incomplete last group is dropped
        {"Zm9", ""},                       // fewer than 4 characters
        {"\r\n\r\n", ""},
        {"====", "\x04"},                  // "=" counts 64 in the arithmetic, then drops two bytes
    };
    for (const auto& c : cases) EXPECT_EQ(Base64Decode(c.encoded), c.plain) << c.encoded;
}

TEST(Base64, EveryByteValueRoundTrips) {
    std::string all;
    for (int k = 0; k < 256; ++k) all += static_cast<char>(255 - k);
    for (std::size_t n = 0; n <= all.size(); n += 17) {
        const std::string s = all.substr(0, n);
        EXPECT_EQ(Base64Decode(Base64Encode(s, 60)), s) << n;
    }
}

}  // namespace
}  // namespace qv::cipher::test
