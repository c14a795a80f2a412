#pragma once
// Basic's pseudo-random numbers: Rnd and Randomize over one 24-bit linear congruential generator,
// so a program seeded as Basic seeds it draws the same sequence as Basic does.
//
//   state' = (state * 1140671485 + 12820163) mod 2^24;   Rnd = state' / 2^24 (a Single)
//
// A program starts at state 327680. Randomize(n) replaces the middle 16 bits of the state by a
// mix of the high 32 bits of the Double n and keeps its low byte, so the same seed after the same
// history gives the same sequence; Randomize() seeds from Timer the same way.
#include <cstdint>

namespace qv::base {

class BasicRandom {
public:
    static constexpr uint32_t kStartState = 327680;

    // Rnd(number): above 0 (the usual call) the next value; 0 the last value again; below 0 a
    // value fixed by number alone (the state restarts from number's Single bits).
    float Rnd(float number = 1.0f);
    void Randomize(double number);
    // Seeds from Timer (seconds since midnight on the program's clock) as a Single.
    void Randomize();

    uint32_t state() const { return state_; }

private:
    uint32_t state_ = kStartState;
};

// The program's one generator, shared by every caller as Basic's is.
BasicRandom& programRandom();
inline float Rnd(float number = 1.0f) { return programRandom().Rnd(number); }
inline void Randomize(double number) { programRandom().Randomize(number); }
inline void Randomize() { programRandom().Randomize(); }

}  // namespace qv::base
