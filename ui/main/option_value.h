#pragma once
// An option's value as read from a file: the whole text as a whole number within what its
// control takes, or nothing (a missing entry, a word, a fraction, a number out of range).
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/base/convert.h"

namespace qv::ui {

inline std::optional<std::int32_t> wholeNumberIn(const std::string& text, std::int32_t lo, std::int32_t hi) {
    std::optional<double> n = base::parseNumber(text);
    if (!n || *n != std::floor(*n) || *n < lo || *n > hi) return std::nullopt;
    return static_cast<std::int32_t>(*n);
}

}  // namespace qv::ui
