// How a picture box looks: its sunken border and the surface its drawing methods keep.
#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/picture_box.h"

namespace qv::forms {

void PictureBox::paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const {
    gfx::Rect rc = rect;
    if (BorderStyle() == 1) drawSunkenBorder(dc, rc);
    // Past the surface (a box grown since it was last drawn) lies the back colour.
    dc.fillRect(rc, gfx::Brush::solid(colourOf(BackColor())));
    dc.bitBlt(rc.left, rc.top, surface_.width(), surface_.height(), surface_, 0, 0);
}

}  // namespace qv::forms
