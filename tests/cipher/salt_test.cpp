#include "tests/cipher/cipher_test_support.h"

#include "platform/base/clock.h"
#include "platform/base/random.h"

namespace qv::cipher::test {
namespace {

using Salt = CipherTest;

TEST_F(Salt, MatchesKnownSaltWithEntropyPool) {
    const auto v = LoadVectors();
    ULTRA.EntropyPool = FromHex(v.at("salt.pool"));
    SetRandomSource(Lcg(std::stoull(v.at("salt.seed"))));
    EXPECT_EQ(ToHex(MakeSalt()), v.at("salt.value"));
}

TEST_F(Salt, LengthPrefixedWithinBounds) {
    // Extreme random numbers and pool bytes push the length to both ends of its range.
    for (double r : {0.0, 0.999999, 0.5}) {
        for (const char* pool : {"", "\x01", "\xFF", "\x80\x7F"}) {
            ULTRA.EntropyPool = pool;
            SetRandomSource([r] { return r; });
            const std::string salt = MakeSalt();
            ASSERT_GE(salt.size(), 32u);
            ASSERT_LE(salt.size(), 255u);
            EXPECT_EQ(static_cast<unsigned char>(salt[0]), salt.size());
        }
    }
    SetRandomSource({});
    ULTRA.EntropyPool.clear();
    for (int k = 0; k < 50; ++k) {
        const std::string salt = MakeSalt();
        ASSERT_GE(salt.size(), 32u);
        EXPECT_EQ(static_cast<unsigned char>(salt[0]), salt.size());
    }
}

TEST_F(Salt, MakingASaltReseedsTheProgramsRndFromTheClock) {
    base::FakeClock clock(base::DateTime{2026, 12, 10, 9, 30, 0, 500});
    base::ScopedClock use(clock);
    base::Rnd(-1);
    base::BasicRandom expected = base::programRandom();
    expected.Randomize();
    MakeSalt();
    EXPECT_EQ(base::Rnd(), expected.Rnd());
}

TEST_F(Salt, MouseEntropyKeepsTheLastMovesOnly) {
    AddMouseEntropy(0, 0);  // the starting position: nothing new
    EXPECT_TRUE(ULTRA.EntropyPool.empty());
    AddMouseEntropy(300.5f, 2.5f);  // 300 Xor 2 after rounding halves to even
    ASSERT_EQ(ULTRA.EntropyPool.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(ULTRA.EntropyPool[0]), (300 ^ 2) & 255);
    AddMouseEntropy(300.5f, 2.5f);
    EXPECT_EQ(ULTRA.EntropyPool.size(), 1u);
    for (int k = 1; k <= 300; ++k) AddMouseEntropy(static_cast<float>(k), 0);
    ASSERT_EQ(ULTRA.EntropyPool.size(), 251u);
    EXPECT_EQ(static_cast<unsigned char>(ULTRA.EntropyPool[0]), 50);
    EXPECT_EQ(static_cast<unsigned char>(ULTRA.EntropyPool.back()), 300 & 255);
}

}  // namespace
}  // namespace qv::cipher::test
