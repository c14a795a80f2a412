#pragma once
// The random, length-prefixed salt that starts every encrypted stream, and the mouse-movement
// entropy mixed into it.
#include <functional>
#include <string>

namespace qv::cipher {

// L bytes (32 <= L <= 255), the first holding L itself. Leaves the cipher keyed by its last
// mixing pass; callers run KeySchedule with their own key afterwards.
std::string MakeSalt();

// Adds one byte made from a mouse position to EntropyPool when the position changed.
void AddMouseEntropy(float x, float y);

// Test hook: the source of uniform numbers in [0, 1) that MakeSalt draws from. An empty
// function restores the clock-seeded generator.
using RandomSource = std::function<double()>;
void SetRandomSource(RandomSource source);

}  // namespace qv::cipher
