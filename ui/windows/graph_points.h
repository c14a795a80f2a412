#pragma once
// What the graph window plots: a scale taken from the last traffic counts and ten points drawn
// below it from the program's Rnd. The counts only choose the scale; they are not plotted.
#include <string>
#include <vector>

#include "ui/main/run_state.h"

namespace qv::ui {

inline constexpr int kGraphPoints = 10;

// The larger of "in" and "out" compared as texts (so "9" beats "10"), with "block" appended,
// read as a 64-bit whole number: 25 gives a scale of 50, anything else (a text too long for 64
// bits or no number included) a scale of 25.
int GraphScale(const GraphCounts& counts);

// Ten decimal texts, each Int(scale * Rnd), so 0 to scale - 1.
std::vector<std::string> GraphPoints(int scale);

}  // namespace qv::ui
