// How labels and text boxes look.
#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::forms {
namespace {

unsigned alignmentFormat(int alignment) {
    return alignment == 1 ? dt::kRight : alignment == 2 ? dt::kCenter : dt::kLeft;
}

}  // namespace

void Label::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    if (BackStyle() == 1) dc.fillRect(rc, Brush::solid(colourOf(BackColor())));
    if (BorderStyle() == 1) drawSunkenBorder(dc, rc);
    dc.selectFont(fontOf(Font()));
    unsigned format = alignmentFormat(Alignment()) | dt::kWordBreak;
    if (!UseMnemonic()) format |= dt::kNoPrefix;
    drawCaption(dc, Caption(), rc, format, colourOf(ForeColor()), enabledOnForm());
}

void TextBox::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    dc.fillRect(rc, Brush::solid(colourOf(BackColor())));
    if (BorderStyle() == 1) drawSunkenBorder(dc, rc);
    const int bars = MultiLine() ? ScrollBars() : 0;
    if (bars == 2 || bars == 3) {
        drawVerticalScrollBar(dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, 0, 1, 1);
        rc.right -= kScrollBarSize;
    }
    std::string shown = Text();
    if (!PasswordChar().empty()) shown.assign(shown.size(), PasswordChar()[0]);
    dc.selectFont(fontOf(Font()));
    rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom};
    unsigned format = alignmentFormat(Alignment()) | dt::kNoPrefix;
    if (!MultiLine()) format |= dt::kSingleLine;
    else if (bars != 1 && bars != 3) format |= dt::kWordBreak;
    const bool enabled = enabledOnForm();
    const auto mode = dc.setBkMode(gfx::BackgroundMode::Transparent);
    dc.setTextColour(enabled ? colourOf(ForeColor()) : sys(gfx::kColourGrayText));
    dc.drawText(shown, rc, format);
    dc.setBkMode(mode);
}

}  // namespace qv::forms
