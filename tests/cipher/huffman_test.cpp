#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

using Huffman = CipherTest;

std::string Encoded(std::string s) {
    EXPECT_TRUE(HuffmanEncode(s));
    return s;
}

// (value, length) pairs and the code section of an HE3 block with n values.
std::string CodeTable(const std::string& block) {
    const int n = static_cast<unsigned char>(block[9]) | static_cast<unsigned char>(block[10]) << 8;
    return block.substr(11, static_cast<std::size_t>(2 * n));
}

TEST_F(Huffman, MatchesKnownBlocks) {
    const auto v = LoadVectors();
    for (const std::string& name : std::vector<std::string>{"abracadabra", "text"}) {
        const std::string plain = FromHex(v.at("huffman." + name + ".plain"));
        const std::string block = FromHex(v.at("huffman." + name + ".block"));
        EXPECT_EQ(ToHex(Encoded(plain)), ToHex(block)) << name;
        std::string back = block;
        EXPECT_EQ(HuffmanDecode(back), HuffmanStatus::Ok);
        EXPECT_EQ(back, plain);
    }
}

TEST_F(Huffman, ChoosesStoredBlockWhenCodingDoesNotShrink) {
    EXPECT_EQ(Encoded(""), "HE0\r");
    EXPECT_EQ(Encoded("zzzzzzzz"), "HE0\rzzzzzzzz");  // one value: its code is empty
    EXPECT_EQ(Encoded("a"), "HE0\ra");
    // Two values of one byte each code to one bit: one data byte, HE3 for all its overhead.
    EXPECT_EQ(Encoded("ab").substr(0, 4), "HE3\r");
    // All 256 values once: 8 bits each, coded data exactly as long as the input, still HE3.
    std::string all;
    for (int k = 0; k < 256; ++k) all += static_cast<char>(k);
    const std::string block = Encoded(all);
    EXPECT_EQ(block.substr(0, 4), "HE3\r");
    EXPECT_EQ(block.size(), 11 + 512 + 256 + 256u);
}

TEST_F(Huffman, CodeAssignmentTieBreaks) {
    // Two values: the smaller is the Zero child whatever the counts.
    for (const char* s : {"abbbbbbbbb", "aaaaaaaaab"}) {
        const std::string block = Encoded(s);
        EXPECT_EQ(CodeTable(block), std::string("a\x01" "b\x01", 4));
        EXPECT_EQ(static_cast<unsigned char>(block[11 + 4]), 0b10);  // a = 0, b = 1
    }
    // Three equal counts: smallest 10, middle 11, largest 0.
    const std::string block = Encoded("xyzxyzxyz");
    EXPECT_EQ(CodeTable(block), std::string("x\x02y\x02z\x01", 6));
    // Bits in value order, first bit first: 1 0 | 1 1 | 0 -> 0b01101.
    EXPECT_EQ(static_cast<unsigned char>(block[17]), 0b01101);
    // The data starts in a fresh byte: x y z = 10 11 0 per group, 15 bits in 2 bytes.
    EXPECT_EQ(block.size(), 18 + 2u);
    EXPECT_EQ(static_cast<unsigned char>(block[18]), 0b10101101);
}

TEST_F(Huffman, DataStartsInFreshByteWhenCodesFillTheirByte) {
    // Eight values of equal count: eight codes of 3 bits, exactly three code bytes.
    std::string s;
    for (int r = 0; r < 4; ++r)
        for (char c = 'a'; c < 'i'; ++c) s += c;
    const std::string block = Encoded(s);
    EXPECT_EQ(block.size(), 11 + 16 + 3 + 12u);
    std::string back = block;
    EXPECT_EQ(HuffmanDecode(back), HuffmanStatus::Ok);
    EXPECT_EQ(back, s);
}

TEST_F(Huffman, RoundTripsManySizesAndDistributions) {
    for (int dist = 0; dist < 5; ++dist) {
        for (std::size_t n : {1u, 2u, 3u, 7u, 100u, 999u, 1000u, 1001u, 10000u, 65537u, 300000u}) {
            const std::string plain = RandomBytes(n, dist, static_cast<uint32_t>(n * 7 + static_cast<std::size_t>(dist)));
            std::string buf = plain;
            ASSERT_TRUE(HuffmanEncode(buf));
            ASSERT_EQ(HuffmanDecode(buf), HuffmanStatus::Ok) << dist << " " << n;
            ASSERT_EQ(buf, plain) << dist << " " << n;
        }
    }
}

TEST_F(Huffman, LongCodesOfSkewedCountsRoundTrip) {
    // Fibonacci-like counts give the deepest trees a 32-bit length allows to get near.
    std::string s;
    uint64_t a = 1, b = 1;
    for (int v = 0; v < 26 && s.size() < 400000; ++v) {
        s.append(a, static_cast<char>(v));
        const uint64_t c = a + b;
        a = b;
        b = c;
    }
    std::string buf = s;
    ASSERT_TRUE(HuffmanEncode(buf));
    int longest = 0;
    for (std::size_t k = 0; k < CodeTable(buf).size(); k += 2)
        longest = std::max(longest, static_cast<int>(static_cast<unsigned char>(CodeTable(buf)[k + 1])));
    EXPECT_GT(longest, 11);  // past the decoder's lookup table
    ASSERT_EQ(HuffmanDecode(buf), HuffmanStatus::Ok);
    EXPECT_EQ(buf, s);
}

TEST_F(Huffman, CodesOfMoreThan28BitsSideBySide) {
    // Fibonacci counts over 30 values: the rarest codes pass 28 bits, so two of them in a row
    // are more than the coder writes in one piece.
    std::string s;
    uint64_t a = 1, b = 1;
    for (int v = 0; v < 30; ++v, std::swap(a, b), b += a) s.append(a, static_cast<char>(v));
    std::string buf = s;
    ASSERT_TRUE(HuffmanEncode(buf));
    const std::string table = CodeTable(buf);
    EXPECT_GT(static_cast<unsigned char>(table[1]), 28);  // value 0, the rarest with value 1
    EXPECT_GT(static_cast<unsigned char>(table[3]), 28);
    ASSERT_EQ(HuffmanDecode(buf), HuffmanStatus::Ok);
    EXPECT_EQ(buf, s);
}

TEST_F(Huffman, DecodeStopsAtTheLengthDespitePaddingBits) {
    // "aab" with a = 0, b = 1 is one data byte 0b100; set the padding bits to 1s, which would
    // form further b codes.
    std::string block = Encoded("aab");
    block.back() = static_cast<char>(0b11111100);
    EXPECT_EQ(HuffmanDecode(block), HuffmanStatus::Ok);
    EXPECT_EQ(block, "aab");
}

TEST_F(Huffman, RejectsUnknownAndCorruptBlocks) {
    const std::string good = Encoded("abracadabra, abracadabra");
    auto patched = [&](std::size_t at, std::string bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    struct Case {
        const char* what;
        std::string block;
        HuffmanStatus status;
    };
    const Case cases[] = {
        {"other signature", patched(0, "HE1\r"), HuffmanStatus::UnknownFormat},
        {"no signature", "hello", HuffmanStatus::UnknownFormat},
        {"too short", "HE", HuffmanStatus::UnknownFormat},
        {"header cut", good.substr(0, 9), HuffmanStatus::Corrupt},
        {"n of 1", patched(9, std::string("\x01\x00", 2)), HuffmanStatus::Corrupt},
        {"n of 257", patched(9, std::string("\x01\x01", 2)), HuffmanStatus::Corrupt},
        {"n negative", patched(9, "\xff\xff"), HuffmanStatus::Corrupt},
        {"code length 0", patched(12, std::string(1, '\0')), HuffmanStatus::Corrupt},
        {"code length over n - 1", patched(12, "\x05"), HuffmanStatus::Corrupt},
        {"negative length", patched(5, "\xff\xff\xff\xff"), HuffmanStatus::Corrupt},
        {"length beyond the data", patched(5, std::string("\x00\x00\x01\x00", 4)), HuffmanStatus::Corrupt},
        {"data cut short", good.substr(0, good.size() - 2), HuffmanStatus::Corrupt},
        {"table cut", good.substr(0, 20), HuffmanStatus::Corrupt},
        {"codes not a prefix code", patched(13, std::string(good.size() - 13, '\0')), HuffmanStatus::Corrupt},
        {"one byte changed", patched(good.size() - 1, std::string(1, static_cast<char>(good.back() ^ 0x02))),
         HuffmanStatus::ChecksumMismatch},
    };
    for (const auto& c : cases) {
        std::string b = c.block;
        EXPECT_EQ(HuffmanDecode(b), c.status) << c.what;
        if (c.status != HuffmanStatus::ChecksumMismatch) {
            EXPECT_EQ(b, c.block) << c.what;
        }
    }
}

// A stated length of 0 gets the checks of any other length: a block whose length field was
// zeroed fails its checksum, or (with the checksum zeroed too) has data that length cannot hold.
TEST_F(Huffman, AStatedLengthOfZeroIsCheckedLikeAnyOther) {
    const std::string good = Encoded("[RULES]\r\n/usr/bin/ssh=2\r\n");
    ASSERT_NE(good[4], 0) << "a checksum that is not the Xor of nothing";
    std::string zeroed = good;
    zeroed.replace(5, 4, std::string(4, '\0'));
    std::string b = zeroed;
    EXPECT_EQ(HuffmanDecode(b), HuffmanStatus::ChecksumMismatch);
    zeroed[4] = 0;
    b = zeroed;
    EXPECT_EQ(HuffmanDecode(b), HuffmanStatus::Corrupt);
    EXPECT_EQ(b, zeroed);
    b = std::string("HE3\r\x00\x00\x00\x00\x00\x02\x00", 11);  // no code table
    EXPECT_EQ(HuffmanDecode(b), HuffmanStatus::Corrupt);
    // A sound table and no data at all: nothing to check against, an empty result.
    b = std::string("HE3\r\x00\x00\x00\x00\x00\x02\x00" "a\x01" "b\x01" "\x02", 16);
    EXPECT_EQ(HuffmanDecode(b), HuffmanStatus::Ok);
    EXPECT_TRUE(b.empty());
}

// A length cut short whose dropped bytes happen to keep the checksum leaves whole data bytes
// unread: corrupt, not a shorter result.
TEST_F(Huffman, ALengthCutShortIsCorrupt) {
    const std::string plain = "abcabcab" + std::string(32, 'c');
    const std::string good = Encoded(plain);
    std::string cut = good;
    cut[5] = static_cast<char>(plain.size() - 32);  // the 32 dropped c's Xor to 0
    std::string b = cut;
    EXPECT_EQ(HuffmanDecode(b), HuffmanStatus::Corrupt);
    EXPECT_EQ(b, cut);
}

// The codes' bits belong to the values in ascending order, whatever order the pairs stand in: a
// table with two pairs swapped still decodes, and a value byte changed out of order fails
// instead of decoding into wrong bytes.
TEST_F(Huffman, CodeBitsAreReadInAscendingOrderOfValue) {
    // Four CRs: a value changed from CR to another byte in all four places keeps the checksum.
    const std::string plain = "[RULES]\r\n/usr/bin/ssh=2\r\n/usr/bin/curl=1\r\n[ALREADY]\r\n";
    const std::string good = Encoded(plain);
    const std::string table = CodeTable(good);
    ASSERT_EQ(table[2], '\r');  // pairs: LF, CR, ...
    // Two neighbouring pairs with codes of different lengths, so that their order matters.
    std::size_t at = 0;
    while (at + 3 < table.size() && table[at + 1] == table[at + 3]) at += 2;
    ASSERT_LT(at + 3, table.size());
    std::string swapped = good;
    swapped.replace(11 + at, 4, table.substr(at + 2, 2) + table.substr(at, 2));
    EXPECT_EQ(HuffmanDecode(swapped), HuffmanStatus::Ok);
    EXPECT_EQ(swapped, plain);

    std::string changed = good;
    changed[11 + 2] = static_cast<char>(0x8D);  // CR's value byte with its top bit set
    EXPECT_EQ(HuffmanDecode(changed), HuffmanStatus::Corrupt);
}

TEST_F(Huffman, BitsLeadingOffAnIncompleteTree) {
    // Values 'a' (code 0) and 'b' (code 10): the pattern 11 has no leaf.
    std::string block("HE3\r\x00\x02\x00\x00\x00\x02\x00" "a\x01" "b\x02", 15);
    block += static_cast<char>(0b010);  // codes: 0, then 1 0
    block += static_cast<char>(0b11);
    EXPECT_EQ(HuffmanDecode(block), HuffmanStatus::Corrupt);
}

// Each value equally often, in a scrambled order: every code has the same length.
std::string EvenCounts(int values, std::size_t repeat) {
    std::string s;
    for (std::size_t r = 0; r < repeat; ++r)
        for (int v = 0; v < values; ++v) s += static_cast<char>((v * 37 + static_cast<int>(r) * 11) % values);
    return s;
}

// Messages run after every input byte whose position is a multiple of 10000, up to the byte in
// which the last code ends, and then every 10000 output bytes of the checksum.
TEST_F(Huffman, DecodeCheckpointsFollowTheInputWhateverTheCodes) {
    std::string skewed;
    uint64_t a = 1, b = 1;
    for (int v = 0; v < 22; ++v, std::swap(a, b), b += a) skewed.append(a, static_cast<char>(v));
    const struct {
        const char* what;
        std::string plain;
        int codeLength;  // every code's length, or 0 for mixed lengths
    } cases[] = {
        {"text", RandomBytes(123457, 3, 3), 0},
        {"skewed with long codes", skewed, 0},
        {"256 codes of 8 bits", EvenCounts(256, 400), 8},
        {"4 codes of 2 bits", EvenCounts(4, 30001), 2},
        {"2 codes of 1 bit", EvenCounts(2, 40000), 1},
    };
    for (const auto& c : cases) {
        const std::string block = Encoded(c.plain);
        ASSERT_EQ(block.substr(0, 4), "HE3\r") << c.what;
        if (c.codeLength) {
            const std::string table = CodeTable(block);
            for (std::size_t k = 1; k < table.size(); k += 2) ASSERT_EQ(table[k], c.codeLength) << c.what;
        }
        std::string buf = block;
        pump = RecordingPump{};
        ASSERT_EQ(HuffmanDecode(buf), HuffmanStatus::Ok) << c.what;
        EXPECT_EQ(buf, c.plain) << c.what;
        EXPECT_EQ(static_cast<std::size_t>(pump.pumps), (block.size() - 1) / 10000 + (c.plain.size() + 9999) / 10000)
            << c.what;
    }
}

TEST_F(Huffman, BitsOffTheTreeDeepInsideALongBlock) {
    // 'a' = 00, 'b' = 01 and 'c' = 10; the pattern 11 has no leaf. Many sound codes, then 11.
    const std::size_t n = 40000;
    std::string block("HE3\r\x00", 5);
    for (int k = 0; k < 4; ++k) block += static_cast<char>((n >> (8 * k)) & 255);
    block += std::string("\x03\x00" "a\x02" "b\x02" "c\x02", 8);
    block += static_cast<char>(0b011000);                           // 00, 01, 10
    block += std::string(n / 4, static_cast<char>(0b00011000));     // a b c a, bits from the lowest
    std::string sound = block;
    EXPECT_EQ(HuffmanDecode(sound), HuffmanStatus::Ok);  // an even number of "abca": checksum 0
    block[block.size() - 3000] = static_cast<char>(0b00000011);
    std::string buf = block;
    EXPECT_EQ(HuffmanDecode(buf), HuffmanStatus::Corrupt);
    EXPECT_EQ(buf, block);
}

TEST_F(Huffman, AbortLeavesTheBufferUnchanged) {
    const std::string plain = RandomBytes(50000, 3, 5);
    for (int at : {1, 10, 52, 58}) {  // counting, checksum and data loops
        std::string buf = plain;
        pump.onPump = [at](int n) { ULTRA.AbortRequested = n == at; };
        pump.pumps = 0;
        ULTRA.AbortRequested = false;
        EXPECT_FALSE(HuffmanEncode(buf)) << at;
        EXPECT_EQ(buf, plain);
    }
    std::string block = plain;
    ULTRA.AbortRequested = false;
    pump.onPump = nullptr;
    ASSERT_TRUE(HuffmanEncode(block));
    for (int at : {1, 3, 5}) {
        std::string buf = block;
        pump.pumps = 0;
        pump.onPump = [at](int n) { ULTRA.AbortRequested = n == at; };
        ULTRA.AbortRequested = false;
        EXPECT_EQ(HuffmanDecode(buf), HuffmanStatus::Aborted) << at;
        EXPECT_EQ(buf, block);
    }
}

}  // namespace
}  // namespace qv::cipher::test
