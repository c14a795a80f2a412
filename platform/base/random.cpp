#include "platform/base/random.h"

#include <bit>

#include "platform/base/clock.h"

namespace qv::base {

namespace {

constexpr uint32_t kMask = 0xFFFFFF;
constexpr uint32_t kMultiplier = 1140671485u;
constexpr uint32_t kIncrement = 12820163u;

uint32_t step(uint32_t s) { return (s * kMultiplier + kIncrement) & kMask; }

// The 16 bits a seed word gives, placed in bits 8..23 of the state.
uint32_t seedBits(uint32_t word) { return ((word & 0xFFFF) << 8) ^ ((word >> 8) & 0xFFFF00); }

}  // namespace

float BasicRandom::Rnd(float number) {
    if (number < 0.0f) {
        const uint32_t bits = std::bit_cast<uint32_t>(number);
        state_ = step((bits + (bits >> 24)) & kMask);
    } else if (number > 0.0f) {
        state_ = step(state_);
    }
    return static_cast<float>(state_) / 16777216.0f;
}

void BasicRandom::Randomize(double number) {
    const auto high = static_cast<uint32_t>(std::bit_cast<uint64_t>(number) >> 32);
    state_ = seedBits(high) | (state_ & 0xFF0000FF);
}

void BasicRandom::Randomize() {
    const float timer = static_cast<float>(Timer());
    state_ = seedBits(std::bit_cast<uint32_t>(timer)) | (state_ & 0xFF0000FF);
}

BasicRandom& programRandom() {
    static BasicRandom generator;
    return generator;
}

}  // namespace qv::base
