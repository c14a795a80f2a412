#include <algorithm>
#include <numeric>
#include <sstream>

#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

std::vector<int> Numbers(const std::string& csv) {
    std::vector<int> v;
    std::stringstream s(csv);
    std::string item;
    while (std::getline(s, item, ',')) v.push_back(std::stoi(item));
    return v;
}

template <int N>
std::vector<int> Head(const Permutation<N>& p, std::size_t n) {
    return std::vector<int>(p.s, p.s + n);
}

template <int N>
bool IsPermutation(const Permutation<N>& p) {
    std::vector<int> v(p.s, p.s + N);
    std::sort(v.begin(), v.end());
    for (int k = 0; k < N; ++k)
        if (v[static_cast<std::size_t>(k)] != k) return false;
    return true;
}

using StreamCipher = CipherTest;

// The schedule carries its running j from one permutation to the next and folds the PCC into
// the third only; the keystream feeds each ciphertext byte back.
TEST_F(StreamCipher, MatchesKnownScheduleAndKeystream) {
    const auto v = LoadVectors();
    for (const std::string& name : std::vector<std::string>{"plain", "pcc", "long"}) {
        const std::string pre = "schedule." + name + ".";
        KeySchedule(FromHex(v.at(pre + "key")), FromHex(v.at(pre + "pcc")));
        EXPECT_EQ(Head(ULTRA.A, 24), Numbers(v.at(pre + "A"))) << name;
        EXPECT_EQ(Head(ULTRA.B, 24), Numbers(v.at(pre + "B"))) << name;
        EXPECT_EQ(Head(ULTRA.C, 24), Numbers(v.at(pre + "C"))) << name;
        EXPECT_TRUE(IsPermutation(ULTRA.A) && IsPermutation(ULTRA.B) && IsPermutation(ULTRA.C));
        EXPECT_EQ(ULTRA.A.i + ULTRA.A.j + ULTRA.B.i + ULTRA.B.j + ULTRA.C.i + ULTRA.C.j + ULTRA.FeedbackByte, 0);
        std::string zeros(32, '\0');
        EncryptBytes(zeros);
        EXPECT_EQ(ToHex(zeros), v.at(pre + "stream")) << name;
    }
}

// Over a stream of 100003 bytes (twenty checkpoints of the buffer loops and every index
// wrapping many times) the buffer loops and the byte procedures both end on the known bytes.
TEST_F(StreamCipher, LongStreamsMatchKnownTails) {
    const auto v = LoadVectors();
    std::string pattern(100003, '\0');
    for (std::size_t k = 0; k < pattern.size(); ++k) pattern[k] = static_cast<char>((k * 7 + k / 256) & 255);
    struct Case {
        const char* name;
        bool (*buffer)(std::span<char>);
        uint8_t (*byte)(uint8_t);
    };
    for (const Case& c : {Case{"encrypt", EncryptBytes, EncryptByte}, Case{"decrypt", DecryptBytes, DecryptByte}}) {
        const std::string tail = v.at(std::string("stream.") + c.name + ".tail");
        std::string buf = pattern;
        KeySchedule("Secret7!", "private crypto code");
        ASSERT_TRUE(c.buffer(buf));
        EXPECT_EQ(ToHex(buf.substr(buf.size() - 32)), tail) << c.name << ", buffer loop";

        std::string single = pattern;
        KeySchedule("Secret7!", "private crypto code");
        for (auto& ch : single) ch = static_cast<char>(c.byte(static_cast<uint8_t>(ch)));
        EXPECT_EQ(single, buf) << c.name << ", byte by byte";
    }
}

TEST_F(StreamCipher, PccChangesOnlyTheThirdPermutation) {
    KeySchedule("tolmek58", "");
    const auto a = Head(ULTRA.A, 463), b = Head(ULTRA.B, 251), c = Head(ULTRA.C, 181);
    KeySchedule("tolmek58", "x");
    EXPECT_EQ(Head(ULTRA.A, 463), a);
    EXPECT_EQ(Head(ULTRA.B, 251), b);
    EXPECT_NE(Head(ULTRA.C, 181), c);
    // Only the first 23 PCC bytes reach the schedule.
    const std::string base(23, 'q');
    KeySchedule("tolmek58", base + "first");
    const auto c1 = Head(ULTRA.C, 181);
    KeySchedule("tolmek58", base + "other");
    EXPECT_EQ(Head(ULTRA.C, 181), c1);
}

TEST_F(StreamCipher, RoundTripsOnlyWithTheSameKeyAndPcc) {
    const std::string plain = RandomBytes(12345, 3, 1);
    std::string buf = plain;
    KeySchedule("Secret7!", "pcc");
    ASSERT_TRUE(EncryptBytes(buf));
    EXPECT_NE(buf, plain);
    const std::string cipher = buf;

    KeySchedule("Secret7!", "pcc");
    ASSERT_TRUE(DecryptBytes(buf));
    EXPECT_EQ(buf, plain);

    buf = cipher;
    KeySchedule("Secret7!", "pcd");
    DecryptBytes(buf);
    EXPECT_NE(buf, plain);

    // Byte by byte gives the same stream as the buffer loop.
    KeySchedule("Secret7!", "pcc");
    std::string single = plain;
    for (auto& ch : single) ch = static_cast<char>(EncryptByte(static_cast<uint8_t>(ch)));
    EXPECT_EQ(single, cipher);
}

TEST_F(StreamCipher, ProgressEveryFiveThousandBytesAndAbortStopsThere) {
    std::string buf(20001, 'z');
    KeySchedule("Secret7!", "");
    ASSERT_TRUE(EncryptBytes(buf));
    EXPECT_EQ(pump.pumps, 5);  // after bytes 0, 5000, 10000, 15000, 20000
    EXPECT_EQ(pump.shown, (std::vector<float>{56, 67, 78, 89, 100}));

    pump = RecordingPump{};
    ULTRA.LastPercent = 0;
    KeySchedule("Secret7!", "");
    ASSERT_TRUE(DecryptBytes(buf));
    EXPECT_EQ(pump.shown, (std::vector<float>{12, 25, 38, 50}));  // 12.5 and 37.5 to even

    // Aborted at the second checkpoint: bytes 0 to 5000 done, the rest left as it was.
    std::string plain(12000, 'p');
    buf = plain;
    pump = RecordingPump{};
    pump.onPump = [](int n) { ULTRA.AbortRequested = n == 2; };
    KeySchedule("Secret7!", "");
    EXPECT_FALSE(EncryptBytes(buf));
    EXPECT_EQ(buf.substr(5001), plain.substr(5001));
    EXPECT_NE(buf[5000], 'p');
}

TEST_F(StreamCipher, OneByteBufferGetsAPercentage) {
    std::string one(1, 'a');
    KeySchedule("Secret7!", "");
    EXPECT_TRUE(EncryptBytes(one));
    EXPECT_EQ(pump.shown, (std::vector<float>{100}));
}

}  // namespace
}  // namespace qv::cipher::test
