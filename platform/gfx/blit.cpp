// Copies between canvases with raster operations, and icons drawn through their masks.
#include <algorithm>

#include "platform/gfx/device_context.h"

namespace qv::gfx {
namespace {

Colour apply(RasterOp op, Colour s, Colour d, Colour pattern) {
    switch (op) {
    case RasterOp::SrcCopy: return s;
    case RasterOp::SrcPaint: return d | s;
    case RasterOp::SrcAnd: return d & s;
    case RasterOp::SrcInvert: return d ^ s;
    case RasterOp::NotSrcCopy: return ~s & 0xFFFFFF;
    case RasterOp::DstInvert: return ~d & 0xFFFFFF;
    case RasterOp::Blackness: return 0;
    case RasterOp::Whiteness: return 0xFFFFFF;
    case RasterOp::PatCopy: return pattern;
    }
    return s;
}

bool needsSource(RasterOp op) {
    return op != RasterOp::DstInvert && op != RasterOp::Blackness && op != RasterOp::Whiteness &&
           op != RasterOp::PatCopy;
}

}  // namespace

bool DeviceContext::stretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx,
                               int32_t sy, int32_t sw, int32_t sh, RasterOp op) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
    const Colour pattern = brush_.style == BrushStyle::Null ? 0 : translateColour(brush_.colour) & 0xFFFFFF;
    const int64_t ox = int64_t(x) + origin_.x, oy = int64_t(y) + origin_.y;
    // Only the destination rows and columns on the canvas are visited.
    const int64_t i0 = std::max<int64_t>(0, -ox), i1 = std::min<int64_t>(w, canvas_->width() - ox);
    const int64_t j0 = std::max<int64_t>(0, -oy), j1 = std::min<int64_t>(h, canvas_->height() - oy);
    for (int64_t j = j0; j < j1; ++j) {
        const int64_t srcY = int64_t(sy) + j * sh / h;
        for (int64_t i = i0; i < i1; ++i) {
            const int64_t srcX = int64_t(sx) + i * sw / w;
            Colour s = 0;
            if (needsSource(op)) {
                if (srcX < 0 || srcY < 0 || srcX >= src.width() || srcY >= src.height()) continue;
                s = src.pixel(int32_t(srcX), int32_t(srcY));
            }
            const int32_t cx = int32_t(ox + i), cy = int32_t(oy + j);
            const Colour d = peek(cx, cy);
            if (d == kInvalidColour) continue;
            plot(cx, cy, apply(op, s, d, pattern));
        }
    }
    return true;
}

bool DeviceContext::bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx, int32_t sy,
                           RasterOp op) {
    return stretchBlt(x, y, w, h, src, sx, sy, w, h, op);
}

bool DeviceContext::bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx,
                           int32_t sy, RasterOp op) {
    return bitBlt(x, y, w, h, src.canvas(), int32_t(int64_t(sx) + src.origin().x),
                  int32_t(int64_t(sy) + src.origin().y), op);
}

bool DeviceContext::drawIcon(int32_t x, int32_t y, const Picture* picture, int32_t w, int32_t h) {
    if (!picture || picture->width() == 0 || picture->height() == 0) return false;
    if (w <= 0) w = picture->width();
    if (h <= 0) h = picture->height();
    if (const Canvas* mask = picture->mask()) {
        stretchBlt(x, y, w, h, *mask, 0, 0, mask->width(), mask->height(), RasterOp::SrcAnd);
        return stretchBlt(x, y, w, h, picture->image(), 0, 0, picture->width(), picture->height(),
                          RasterOp::SrcInvert);
    }
    return stretchBlt(x, y, w, h, picture->image(), 0, 0, picture->width(), picture->height());
}

}  // namespace qv::gfx
