#include "platform/base/random.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/clock.h"

using namespace qv::base;

namespace {

std::vector<float> draw(BasicRandom& r, int n) {
    std::vector<float> out;
    for (int i = 0; i < n; ++i) out.push_back(r.Rnd());
    return out;
}

// Basic prints Rnd's Single with seven significant digits; the published sequences are those.
void expectSequence(const std::vector<float>& got, const std::vector<double>& published) {
    ASSERT_EQ(got.size(), published.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], published[i], 5e-8) << "value " << i + 1;
}

}  // namespace

TEST(BasicRandom, MatchesBasicsPublishedFirstValues) {
    // A program that never seeds draws the same sequence at every start.
    BasicRandom unseeded;
    expectSequence(draw(unseeded, 5), {0.7055475, 0.5334240, 0.5795186, 0.2895625, 0.3019480});

    // Randomize 0 at the start leaves the state at 0: the first value is the increment itself
    // (12820163 / 2^24), the second 6000250 / 2^24.
    BasicRandom zero;
    zero.Randomize(0);
    expectSequence(draw(zero, 2), {0.7641413, 0.3576428});

    // Rnd(-1) is .224007 whatever came before; Rnd(0) repeats the last value.
    BasicRandom used;
    draw(used, 7);
    EXPECT_NEAR(used.Rnd(-1), 0.2240070, 5e-8);
    EXPECT_FLOAT_EQ(used.Rnd(0), used.Rnd(0));
    EXPECT_NEAR(used.Rnd(0), 0.2240070, 5e-8);
}

TEST(BasicRandom, ASeedAfterTheSameHistoryRepeatsItsSequence) {
    BasicRandom a, b, other;
    for (BasicRandom* r : {&a, &b, &other}) r->Rnd(-1);
    a.Randomize(1234);
    b.Randomize(1234);
    other.Randomize(4321);
    const auto seq = draw(a, 10);
    EXPECT_EQ(seq, draw(b, 10));
    EXPECT_NE(seq, draw(other, 10));
    for (float v : seq) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LT(v, 1.0f);
    }
}

TEST(BasicRandom, RandomizeWithoutASeedTakesTheProgramsClock) {
    FakeClock clock(DateTime{2026, 12, 10, 15, 4, 5, 250});
    ScopedClock use(clock);
    BasicRandom a, b, later;
    a.Randomize();
    b.Randomize();
    clock.advance(1000);
    later.Randomize();
    const auto first = draw(a, 3);
    EXPECT_EQ(first, draw(b, 3));
    EXPECT_NE(first, draw(later, 3)) << "a second later seeds another sequence";
}
