#pragma once
// Comparing a rendered picture with a reference by tolerance: text drawn by another version of
// the font library may move a few pixels, so a reference check counts the pixels that differ
// by more than a per-channel tolerance and allows a small share of them.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/gfx/canvas.h"

namespace qv::present {

struct ImageDifference {
    bool sameSize = false;
    int64_t pixels = 0;     // pixels compared (those of the reference)
    int64_t differing = 0;  // pixels with a channel off by more than the tolerance
    int maxDelta = 0;       // the largest channel difference seen
    double share() const { return pixels == 0 ? 0.0 : double(differing) / double(pixels); }
    // Same size, and at most maxShare of the pixels differing.
    bool within(double maxShare) const { return sameSize && share() <= maxShare; }
};

ImageDifference compareImages(const gfx::Canvas& actual, const gfx::Canvas& reference, int channelTolerance);

// A PNG file as a canvas (alpha dropped); nothing when it cannot be read or decoded.
std::optional<gfx::Canvas> readPng(std::string_view path);

// A picture of where two images differ: differing pixels red, the rest the reference faded.
gfx::Canvas differenceImage(const gfx::Canvas& actual, const gfx::Canvas& reference, int channelTolerance);

}  // namespace qv::present
