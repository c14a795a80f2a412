#pragma once
// Acceptance and quality rating of cipher keys.
#include <cstdint>
#include <string_view>

namespace qv::cipher {

// True for a key of at least 5 characters that does not repeat one group of characters
// throughout (a period that divides its length).
bool KeyOk(std::string_view key);

// A rating 0 to 100 for the tool window: 3 points a character, raised for mixed case, digits
// among letters and punctuation; 0 for a key that KeyOk refuses.
int16_t KeyQuality(std::string_view key);

}  // namespace qv::cipher
