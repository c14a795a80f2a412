// Frames, images, shapes and lines.
#include <algorithm>

#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/types.h"
#include "platform/gfx/picture.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
using gfx::Pen;
using gfx::PenStyle;
namespace dt = gfx::dt;

void paintFrame(const PaintArgs& a) {
    const auto* f = dynamic_cast<const forms::Frame*>(&a.control);
    if (f == nullptr) return;
    const Rect& r = a.rect;
    const gfx::Colour back = colourOf(f->BackColor());
    a.dc.fillRect(r, Brush::solid(back));
    a.dc.selectFont(fontOf(f->Font()));
    const int textHeight = a.dc.textMetrics().height;
    if (f->BorderStyle() == 1) {
        // The etched border runs through the middle of the caption.
        Rect border{r.left, r.top + textHeight / 2, r.right, r.bottom};
        a.dc.drawEdge(border, gfx::edge::kEtched, gfx::edge::kRect);
    }
    if (f->Caption().empty()) return;
    Rect text{r.left + 8, r.top, r.right - 8, r.top + textHeight};
    Rect fit = text;
    a.dc.drawText(f->Caption(), fit, dt::kSingleLine | dt::kCalcRect);
    a.dc.fillRect({text.left - 2, text.top, std::min(text.right, fit.right) + 2, text.bottom}, Brush::solid(back));
    drawCaption(a.dc, f->Caption(), text, dt::kSingleLine | dt::kLeft, colourOf(f->ForeColor()), f->enabledOnForm());
}

void paintImage(const PaintArgs& a) {
    const auto* img = dynamic_cast<const forms::Image*>(&a.control);
    if (img == nullptr) return;
    Rect rc = a.rect;
    if (img->BorderStyle() == 1) drawSunkenBorder(a.dc, rc);
    const gfx::Picture* pic = img->Picture().get();
    if (pic == nullptr) return;
    if (img->Stretch())
        a.dc.drawPicture(rc.left, rc.top, pic, int(rc.width()), int(rc.height()));
    else
        a.dc.drawPicture(rc.left, rc.top, pic);
}

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

void paintShape(const PaintArgs& a) {
    const auto* s = dynamic_cast<const forms::Shape*>(&a.control);
    if (s == nullptr) return;
    Rect r = a.rect;
    const int style = s->Style();
    // Square, circle and rounded square take the largest square centred in the rectangle.
    if (style == 1 || style == 3 || style == 5) {
        const int side = int(std::min(r.width(), r.height()));
        const int l = r.left + (int(r.width()) - side) / 2, t = r.top + (int(r.height()) - side) / 2;
        r = {l, t, l + side, t + side};
    }
    const bool border = s->BorderStyle() != 0;
    const Pen pen{border ? penStyleOf(s->BorderStyle()) : PenStyle::Null, std::max(1, s->BorderWidth()),
                  colourOf(s->BorderColor())};
    const int corner = int(std::min(r.width(), r.height())) / 3;
    auto outline = [&](const Brush& brush, const Pen& p) {
        a.dc.selectBrush(brush);
        a.dc.selectPen(p);
        // With no pen a shape fills one pixel less each way; widen it back to the full extent.
        const int grow = p.style == PenStyle::Null ? 1 : 0;
        const int R = r.right + grow, B = r.bottom + grow;
        if (style == 2 || style == 3) a.dc.ellipse(r.left, r.top, R, B);
        else if (style == 4 || style == 5) a.dc.roundRect(r.left, r.top, R, B, corner, corner);
        else a.dc.rectangle(r.left, r.top, R, B);
    };
    const Pen none{PenStyle::Null, 1, 0};
    if (s->BackStyle() == 1) outline(Brush::solid(colourOf(s->BackColor())), none);
    if (s->FillStyle() == 0) outline(Brush::solid(colourOf(s->FillColor())), none);
    if (border) outline(Brush::none(), pen);
}

void paintLine(const PaintArgs& a) {
    const auto* l = dynamic_cast<const forms::Line*>(&a.control);
    if (l == nullptr || l->BorderStyle() == 0) return;
    // X1..Y2 count from the line's container.
    const int ox = l->formLeft() - l->Left(), oy = l->formTop() - l->Top();
    const int x1 = a.client.x + forms::twipsToPixels(ox + l->X1()), y1 = a.client.y + forms::twipsToPixels(oy + l->Y1());
    const int x2 = a.client.x + forms::twipsToPixels(ox + l->X2()), y2 = a.client.y + forms::twipsToPixels(oy + l->Y2());
    const gfx::Colour c = colourOf(l->BorderColor());
    a.dc.selectPen(Pen{penStyleOf(l->BorderStyle()), std::max(1, l->BorderWidth()), c});
    a.dc.moveTo(x1, y1);
    a.dc.lineTo(x2, y2);
    // The line control shows its end point too.
    if (l->BorderStyle() == 1 && l->BorderWidth() <= 1) a.dc.setPixelV(x2, y2, c);
}

}  // namespace

void registerShapePainters() {
    registerPainter("Frame", paintFrame);
    registerPainter("Image", paintImage);
    registerPainter("Shape", paintShape);
    registerPainter("Line", paintLine);
}

}  // namespace qv::present
