// Picture boxes: the sunken border and the surface the box's drawing methods keep.
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

void paintPictureBox(const PaintArgs& a) {
    const auto* p = dynamic_cast<const forms::PictureBox*>(&a.control);
    if (p == nullptr) return;
    Rect rc = a.rect;
    if (p->BorderStyle() == 1) drawSunkenBorder(a.dc, rc);
    // Past the surface (a box grown since it was last drawn) lies the back colour.
    a.dc.fillRect(rc, gfx::Brush::solid(colourOf(p->BackColor())));
    const gfx::Canvas& s = p->surface();
    a.dc.bitBlt(rc.left, rc.top, s.width(), s.height(), s, 0, 0);
}

}  // namespace

void registerPictureBoxPainter() { registerPainter("PictureBox", paintPictureBox); }

}  // namespace qv::present
