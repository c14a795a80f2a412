// How frames, images, shapes and lines look.
#include <algorithm>

#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/gfx/picture.h"

namespace qv::forms {
namespace {

using gfx::Pen;
using gfx::PenStyle;

PenStyle penStyleOf(int borderStyle) {
    switch (borderStyle) {
        case 2: return PenStyle::Dash;
        case 3: return PenStyle::Dot;
        case 4: return PenStyle::DashDot;
        case 5: return PenStyle::DashDotDot;
        case 6: return PenStyle::InsideFrame;
        default: return PenStyle::Solid;
    }
}

}  // namespace

void Frame::paint(gfx::DeviceContext& dc, const Rect& r) const {
    const gfx::Colour back = colourOf(BackColor());
    dc.fillRect(r, Brush::solid(back));
    dc.selectFont(fontOf(Font()));
    const int textHeight = dc.textMetrics().height;
    if (BorderStyle() == 1) {
        // The etched border runs through the middle of the caption.
        Rect border{r.left, r.top + textHeight / 2, r.right, r.bottom};
        dc.drawEdge(border, gfx::edge::kEtched, gfx::edge::kRect);
    }
    if (Caption().empty()) return;
    Rect text{r.left + 8, r.top, r.right - 8, r.top + textHeight};
    Rect fit = text;
    dc.drawText(Caption(), fit, dt::kSingleLine | dt::kCalcRect);
    dc.fillRect({text.left - 2, text.top, std::min(text.right, fit.right) + 2, text.bottom}, Brush::solid(back));
    drawCaption(dc, Caption(), text, dt::kSingleLine | dt::kLeft, colourOf(ForeColor()), enabledOnForm());
}

void Image::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    if (BorderStyle() == 1) drawSunkenBorder(dc, rc);
    const gfx::Picture* pic = Picture().get();
    if (pic == nullptr) return;
    if (Stretch())
        dc.drawPicture(rc.left, rc.top, pic, int(rc.width()), int(rc.height()));
    else
        dc.drawPicture(rc.left, rc.top, pic);
}

void Shape::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect r = rect;
    const int style = Style();
    // Square, circle and rounded square take the largest square centred in the rectangle.
    if (style == 1 || style == 3 || style == 5) {
        const int side = int(std::min(r.width(), r.height()));
        const int l = r.left + (int(r.width()) - side) / 2, t = r.top + (int(r.height()) - side) / 2;
        r = {l, t, l + side, t + side};
    }
    const bool border = BorderStyle() != 0;
    const Pen pen{border ? penStyleOf(BorderStyle()) : PenStyle::Null, std::max(1, BorderWidth()),
                  colourOf(BorderColor())};
    const int corner = int(std::min(r.width(), r.height())) / 3;
    auto outline = [&](const Brush& brush, const Pen& p) {
        dc.selectBrush(brush);
        dc.selectPen(p);
        // With no pen a shape fills one pixel less each way; widen it back to the full extent.
        const int grow = p.style == PenStyle::Null ? 1 : 0;
        const int R = r.right + grow, B = r.bottom + grow;
        if (style == 2 || style == 3) dc.ellipse(r.left, r.top, R, B);
        else if (style == 4 || style == 5) dc.roundRect(r.left, r.top, R, B, corner, corner);
        else dc.rectangle(r.left, r.top, R, B);
    };
    const Pen none{PenStyle::Null, 1, 0};
    if (BackStyle() == 1) outline(Brush::solid(colourOf(BackColor())), none);
    if (FillStyle() == 0) outline(Brush::solid(colourOf(FillColor())), none);
    if (border) outline(Brush::none(), pen);
}

// X1..Y2 count from the line's container's inside; rounded there as in the form's client area.
Line::Ends Line::ends() const {
    const int ox = formLeft() - Left(), oy = formTop() - Top();
    const int bx = twipsToPixels(ox), by = twipsToPixels(oy);
    return {{twipsToPixels(ox + X1()) - bx, twipsToPixels(oy + Y1()) - by},
            {twipsToPixels(ox + X2()) - bx, twipsToPixels(oy + Y2()) - by}};
}

Rect Line::paintBounds() const {
    const Ends e = ends();
    const int w = std::max(1, BorderWidth());
    return {std::min(e.a.x, e.b.x) - w, std::min(e.a.y, e.b.y) - w, std::max(e.a.x, e.b.x) + w + 1,
            std::max(e.a.y, e.b.y) + w + 1};
}

void Line::paint(gfx::DeviceContext& dc, const Rect&) const {
    if (BorderStyle() == 0) return;
    const Ends e = ends();
    const gfx::Colour c = colourOf(BorderColor());
    dc.selectPen(Pen{penStyleOf(BorderStyle()), std::max(1, BorderWidth()), c});
    dc.moveTo(e.a.x, e.a.y);
    dc.lineTo(e.b.x, e.b.y);
    // The line control shows its end point too.
    if (BorderStyle() == 1 && BorderWidth() <= 1) dc.setPixelV(e.b.x, e.b.y, c);
}

}  // namespace qv::forms
