// How command buttons, check boxes and option buttons look.
#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/buttons.h"

namespace qv::forms {
namespace {

// What check boxes and option buttons share: the background, the mark's place at the left (or
// the right, for Alignment 1) and the caption beside it.
template <class Mark>
void paintMarkedButton(gfx::DeviceContext& dc, const Rect& r, const Control& c, const std::string& caption,
                       int alignment, int markSize, Mark drawMark) {
    dc.fillRect(r, Brush::solid(colourOf(c.BackColor())));
    const int y = r.top + (int(r.height()) - markSize) / 2;
    const bool right = alignment == 1;
    drawMark(right ? r.right - markSize : r.left, y);
    Rect text = right ? Rect{r.left, r.top, r.right - markSize - 4, r.bottom}
                      : Rect{r.left + markSize + 4, r.top, r.right, r.bottom};
    dc.selectFont(fontOf(c.Font()));
    drawCaption(dc, caption, text, (right ? dt::kRight : dt::kLeft) | dt::kVCenter | dt::kSingleLine,
                colourOf(c.ForeColor()), c.enabledOnForm());
    if (c.focused() && !caption.empty()) {
        Rect fit = text;
        dc.drawText(caption, fit, dt::kSingleLine | dt::kCalcRect);
        const int h = int(fit.height());
        const int top = r.top + (int(r.height()) - h) / 2;
        const int w = int(fit.width());
        const int left = right ? text.right - w : text.left;
        drawFocusRect(dc, {left - 1, top - 1, left + w + 1, top + h + 1});
    }
}

}  // namespace

void CommandButton::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    if (Default() || focused()) {
        // The default button wears a black frame outside its face.
        dc.frameRect(rc, Brush::solid(sys(gfx::kColourWindowFrame)));
        rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    }
    drawButtonFace(dc, rc);
    dc.selectFont(fontOf(Font()));
    drawCaption(dc, Caption(), rc, dt::kCenter | dt::kVCenter | dt::kSingleLine, colourOf(ForeColor()),
                enabledOnForm());
    if (focused()) drawFocusRect(dc, {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2});
}

void CheckBox::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    const bool enabled = enabledOnForm();
    paintMarkedButton(dc, rect, *this, Caption(), Alignment(), kCheckSize,
                      [&](int x, int y) { drawCheckMark(dc, x, y, Value(), enabled); });
}

void OptionButton::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    const bool enabled = enabledOnForm();
    paintMarkedButton(dc, rect, *this, Caption(), Alignment(), kOptionSize,
                      [&](int x, int y) { drawOptionMark(dc, x, y, Value(), enabled); });
}

}  // namespace qv::forms
