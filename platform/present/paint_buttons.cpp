// Command buttons, check boxes and option buttons.
#include "platform/forms/intrinsic/buttons.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
namespace dt = gfx::dt;

void paintCommandButton(const PaintArgs& a) {
    const auto* b = dynamic_cast<const forms::CommandButton*>(&a.control);
    if (b == nullptr) return;
    Rect rc = a.rect;
    if (b->Default() || a.focused) {
        // The default button wears a black frame outside its face.
        a.dc.frameRect(rc, Brush::solid(sys(gfx::kColourWindowFrame)));
        rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    }
    drawButtonFace(a.dc, rc);
    a.dc.selectFont(fontOf(b->Font()));
    drawCaption(a.dc, b->Caption(), rc, dt::kCenter | dt::kVCenter | dt::kSingleLine,
                colourOf(b->ForeColor()), b->enabledOnForm());
    if (a.focused) drawFocusRect(a.dc, {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2});
}

// What check boxes and option buttons share: the background, the mark's place at the left (or
// the right, for Alignment 1) and the caption beside it.
template <class Mark>
void paintMarkedButton(const PaintArgs& a, const forms::Control& c, const std::string& caption,
                       int alignment, int markSize, Mark drawMark) {
    const Rect& r = a.rect;
    a.dc.fillRect(r, Brush::solid(colourOf(c.BackColor())));
    const int y = r.top + (int(r.height()) - markSize) / 2;
    const bool right = alignment == 1;
    drawMark(right ? r.right - markSize : r.left, y);
    Rect text = right ? Rect{r.left, r.top, r.right - markSize - 4, r.bottom}
                      : Rect{r.left + markSize + 4, r.top, r.right, r.bottom};
    a.dc.selectFont(fontOf(c.Font()));
    drawCaption(a.dc, caption, text, (right ? dt::kRight : dt::kLeft) | dt::kVCenter | dt::kSingleLine,
                colourOf(c.ForeColor()), c.enabledOnForm());
    if (a.focused && !caption.empty()) {
        Rect fit = text;
        a.dc.drawText(caption, fit, dt::kSingleLine | dt::kCalcRect);
        const int h = int(fit.height());
        const int top = r.top + (int(r.height()) - h) / 2;
        const int w = int(fit.width());
        const int left = right ? text.right - w : text.left;
        drawFocusRect(a.dc, {left - 1, top - 1, left + w + 1, top + h + 1});
    }
}

void paintCheckBox(const PaintArgs& a) {
    const auto* b = dynamic_cast<const forms::CheckBox*>(&a.control);
    if (b == nullptr) return;
    const bool enabled = b->enabledOnForm();
    paintMarkedButton(a, *b, b->Caption(), b->Alignment(), kCheckSize,
                      [&](int x, int y) { drawCheckMark(a.dc, x, y, b->Value(), enabled); });
}

void paintOptionButton(const PaintArgs& a) {
    const auto* b = dynamic_cast<const forms::OptionButton*>(&a.control);
    if (b == nullptr) return;
    const bool enabled = b->enabledOnForm();
    paintMarkedButton(a, *b, b->Caption(), b->Alignment(), kOptionSize,
                      [&](int x, int y) { drawOptionMark(a.dc, x, y, b->Value(), enabled); });
}

}  // namespace

void registerButtonPainters() {
    registerPainter("CommandButton", paintCommandButton);
    registerPainter("CheckBox", paintCheckBox);
    registerPainter("OptionButton", paintOptionButton);
}

}  // namespace qv::present
