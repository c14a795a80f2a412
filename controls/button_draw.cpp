#include "controls/button_draw.h"

#include "controls/button_colours.h"
#include "platform/base/convert.h"

namespace qv::controls {
namespace {

// Selects a one-pixel pen of the colour for its lifetime.
class ScopedPen {
public:
    ScopedPen(gfx::DeviceContext& dc, gfx::Colour colour)
        : dc_(dc), previous_(dc.selectPen({gfx::PenStyle::Solid, 1, colour})) {}
    ~ScopedPen() { dc_.selectPen(previous_); }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    gfx::DeviceContext& dc_;
    gfx::Pen previous_;
};

int nearest(float v) { return int(base::roundHalfEven(double(v))); }

}  // namespace

void DrawLineDC(gfx::DeviceContext& dc, int x1, int y1, int x2, int y2, gfx::Colour colour) {
    ScopedPen pen(dc, colour);
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

void FillRectColor(gfx::DeviceContext& dc, const gfx::Rect& rect, gfx::Colour colour) {
    if (rect.isEmpty()) return;
    dc.fillRect(rect, gfx::Brush::solid(colour));
}

void FillArea(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour colour) {
    if (width <= 0 || height <= 0) return;
    FillRectColor(dc, {x, y, x + width, y + height}, colour);
}

void DrawFrame(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour colour) {
    ScopedPen pen(dc, colour);
    dc.moveTo(x, y);
    dc.lineTo(x + width, y);
    dc.lineTo(x + width, y + height);
    dc.lineTo(x, y + height);
    dc.lineTo(x, y);
}

void DrawEdgeRect(gfx::DeviceContext& dc, float x, float y, float width, float height, unsigned edges,
                  unsigned flags) {
    gfx::Rect r{nearest(x), nearest(y), nearest(x + width), nearest(y + height)};
    dc.drawEdge(r, edges, flags);
}

void GradientColorB(gfx::DeviceContext& dc, gfx::Colour start, gfx::Colour end, int x1, int y, int x2,
                    int height) {
    dc.gradientRows(start, end, x1, y, x2, height);
}

void GradientColorC(gfx::DeviceContext& dc, gfx::Colour start, gfx::Colour end, int x1, int y1, int x2,
                    int y2) {
    dc.gradientColumns(start, end, x1, y1, x2, y2);
}

void DrawCornerPixels(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour a,
                      gfx::Colour b, gfx::Colour c) {
    DrawFrame(dc, x, y, width - 1, height - 1, a);
    DrawFrame(dc, x + 1, y + 1, width - 1, height - 1, b);
    dc.setPixelV(x, y + height, c);
    dc.setPixelV(x + width, y, c);
    const gfx::Colour inner = BlendColors(b, a);
    dc.setPixelV(x + 1, y + height - 1, inner);
    dc.setPixelV(x + width - 1, y + 1, inner);
}

}  // namespace qv::controls
