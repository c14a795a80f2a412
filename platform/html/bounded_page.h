#pragma once
// The page text the HTML engine is given: parsed and written out again with no element nested
// deeper than the engine lays out in good time (its cost grows with the square of the nesting
// and by several times with each table inside a table, so a small hostile page would otherwise
// stop the program for minutes), and without scripts, comments or foreign content. UTF-8 in
// and out.
#include <cstddef>
#include <string>
#include <string_view>

namespace qv::html {

inline constexpr int kMaxNesting = 200;        // elements inside one another
inline constexpr int kMaxTableNesting = 6;     // tables inside one another
inline constexpr int kMaxElements = 4000;      // elements in all; later ones are left out
inline constexpr size_t kMaxPageBytes = 1 << 20;  // the text read; the rest is left out

std::string boundedPage(std::string_view utf8);

}  // namespace qv::html
