#include "platform/present/x11/pixel_format.h"

#include <bit>
#include <cstring>

namespace qv::present::x11 {

PixelFormat::Channel PixelFormat::channelOf(std::uint32_t mask) {
    Channel ch;
    ch.mask = mask;
    if (mask == 0) return ch;
    const int low = std::countr_zero(mask);
    ch.bits = std::popcount(mask);
    ch.shift = low;
    return ch;
}

PixelFormat::PixelFormat(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask)
    : red_(channelOf(redMask)), green_(channelOf(greenMask)), blue_(channelOf(blueMask)) {
    swapRedBlue_ = redMask == 0xFF0000 && greenMask == 0xFF00 && blueMask == 0xFF;
}

std::uint32_t PixelFormat::place(int value, const Channel& ch) {
    if (ch.mask == 0) return 0;
    const std::uint32_t v = ch.bits >= 8 ? std::uint32_t(value) << (ch.bits - 8) : std::uint32_t(value) >> (8 - ch.bits);
    return (v << ch.shift) & ch.mask;
}

int PixelFormat::take(std::uint32_t pixel, const Channel& ch) {
    if (ch.mask == 0) return 0;
    const std::uint32_t v = (pixel & ch.mask) >> ch.shift;
    if (ch.bits >= 8) return int(v >> (ch.bits - 8));
    // Spread the few bits over the full range, so white stays white.
    return int((v * 255u) / ((1u << ch.bits) - 1u));
}

std::uint32_t PixelFormat::pixel(gfx::Colour c) const {
    if (swapRedBlue_) return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    return place(gfx::redOf(c), red_) | place(gfx::greenOf(c), green_) | place(gfx::blueOf(c), blue_);
}

gfx::Colour PixelFormat::colour(std::uint32_t p) const {
    return gfx::rgb(take(p, red_), take(p, green_), take(p, blue_));
}

void PixelFormat::copy(const gfx::Canvas& surface, const gfx::Rect& from, gfx::Point origin, std::uint8_t* image,
                       int stride) const {
    const gfx::Rect r = gfx::intersect(from, gfx::Rect{0, 0, surface.width(), surface.height()});
    if (r.isEmpty()) return;
    const std::uint32_t* src = surface.pixels().data();
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* in = src + std::size_t(y) * std::size_t(surface.width()) + r.left;
        std::uint8_t* rowStart = image + std::ptrdiff_t(y - origin.y) * stride + std::ptrdiff_t(r.left - origin.x) * 4;
        auto* out = reinterpret_cast<std::uint32_t*>(rowStart);
        const int n = r.right - r.left;
        for (int i = 0; i < n; ++i) out[i] = pixel(in[i]);
    }
}

}  // namespace qv::present::x11
