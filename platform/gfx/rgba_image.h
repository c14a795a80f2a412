#pragma once
// A decoded image with its alpha channel, as the picture readers hand it on: each pixel
// 0xAABBGGRR, row by row from the top.
#include <cstdint>
#include <vector>

#include "platform/gfx/canvas.h"

namespace qv::gfx {

struct RgbaImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

// Images larger than this on a side, or in all, are refused by every reader, so a lying header
// cannot make one allocate without bound.
inline constexpr int32_t kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t(1) << 26;
inline bool imageSizeAllowed(int64_t w, int64_t h) {
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide && w * h <= kMaxImagePixels;
}

// The colours without alpha.
Canvas colourOf(const RgbaImage& image);
// White where a pixel is less than half opaque, black elsewhere.
Canvas maskFromAlpha(const RgbaImage& image);

}  // namespace qv::gfx
