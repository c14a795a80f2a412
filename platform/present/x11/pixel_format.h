#pragma once
// How a true-colour display keeps a pixel: where red, green and blue sit in a 32-bit word.
// Surfaces hold &HBBGGRR; the display wants its own order.
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"

namespace qv::present::x11 {

class PixelFormat {
public:
    PixelFormat(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask);

    std::uint32_t pixel(gfx::Colour c) const;
    // The colour a display pixel shows (for reading screenshots back).
    gfx::Colour colour(std::uint32_t pixel) const;

    // Writes the pixels of `from` (surface coordinates) into an image of 32-bit words, `stride`
    // bytes a row, whose (0, 0) is the surface's (origin.x, origin.y).
    void copy(const gfx::Canvas& surface, const gfx::Rect& from, gfx::Point origin, std::uint8_t* image,
              int stride) const;

private:
    struct Channel {
        int shift = 0;  // where the channel's top bit lands, less 7
        int bits = 8;
        std::uint32_t mask = 0;
    };
    static Channel channelOf(std::uint32_t mask);
    static std::uint32_t place(int value, const Channel& ch);
    static int take(std::uint32_t pixel, const Channel& ch);
    Channel red_, green_, blue_;
    bool swapRedBlue_ = false;  // the usual 24-bit layout: only red and blue change places
};

}  // namespace qv::present::x11
