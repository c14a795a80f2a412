// Labels and text boxes.
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
namespace dt = gfx::dt;

unsigned alignmentFormat(int alignment) {
    return alignment == 1 ? dt::kRight : alignment == 2 ? dt::kCenter : dt::kLeft;
}

void paintLabel(const PaintArgs& a) {
    const auto* l = dynamic_cast<const forms::Label*>(&a.control);
    if (l == nullptr) return;
    Rect rc = a.rect;
    if (l->BackStyle() == 1) a.dc.fillRect(rc, Brush::solid(colourOf(l->BackColor())));
    if (l->BorderStyle() == 1) drawSunkenBorder(a.dc, rc);
    a.dc.selectFont(fontOf(l->Font()));
    unsigned format = alignmentFormat(l->Alignment()) | dt::kWordBreak;
    if (!l->UseMnemonic()) format |= dt::kNoPrefix;
    drawCaption(a.dc, l->Caption(), rc, format, colourOf(l->ForeColor()), l->enabledOnForm());
}

void paintTextBox(const PaintArgs& a) {
    const auto* t = dynamic_cast<const forms::TextBox*>(&a.control);
    if (t == nullptr) return;
    Rect rc = a.rect;
    a.dc.fillRect(rc, Brush::solid(colourOf(t->BackColor())));
    if (t->BorderStyle() == 1) drawSunkenBorder(a.dc, rc);
    const int bars = t->MultiLine() ? t->ScrollBars() : 0;
    if (bars == 2 || bars == 3) {
        drawVerticalScrollBar(a.dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, 0, 1, 1);
        rc.right -= kScrollBarSize;
    }
    std::string shown = t->Text();
    if (!t->PasswordChar().empty()) shown.assign(shown.size(), t->PasswordChar()[0]);
    a.dc.selectFont(fontOf(t->Font()));
    rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom};
    unsigned format = alignmentFormat(t->Alignment()) | dt::kNoPrefix;
    if (!t->MultiLine()) format |= dt::kSingleLine;
    else if (bars != 1 && bars != 3) format |= dt::kWordBreak;
    const bool enabled = t->enabledOnForm();
    const auto mode = a.dc.setBkMode(gfx::BackgroundMode::Transparent);
    a.dc.setTextColour(enabled ? colourOf(t->ForeColor()) : sys(gfx::kColourGrayText));
    a.dc.drawText(shown, rc, format);
    a.dc.setBkMode(mode);
}

}  // namespace

void registerTextPainters() {
    registerPainter("Label", paintLabel);
    registerPainter("TextBox", paintTextBox);
}

}  // namespace qv::present
