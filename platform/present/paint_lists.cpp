// List boxes and combo boxes.
#include <algorithm>
#include <functional>

#include "platform/forms/intrinsic/lists.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
namespace dt = gfx::dt;
constexpr int kRow = forms::ListBox::kRowPixels;
constexpr int kComboEditPixels = 21;

// Rows of a list from `first` in rc, a scroll bar when they do not all fit.
void paintRows(const PaintArgs& a, Rect rc, int count, int first, int selected, gfx::Colour fore,
               bool enabled, const std::function<const std::string&(int)>& text) {
    const int fits = std::max(1, int(rc.height()) / kRow);
    if (count > fits) {
        drawVerticalScrollBar(a.dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, first,
                              count, fits);
        rc.right -= kScrollBarSize;
    }
    const auto mode = a.dc.setBkMode(gfx::BackgroundMode::Transparent);
    for (int i = std::max(0, first), y = rc.top; i < count && y < rc.bottom; ++i, y += kRow) {
        Rect row{rc.left, y, rc.right, y + kRow};
        const bool isSelected = i == selected;
        if (isSelected) a.dc.fillRect(row, Brush::solid(sys(gfx::kColourHighlight)));
        a.dc.setTextColour(!enabled ? sys(gfx::kColourGrayText)
                           : isSelected ? sys(gfx::kColourHighlightText) : fore);
        Rect textRc{row.left + 2, row.top, row.right, row.bottom};
        a.dc.drawText(text(i), textRc, dt::kSingleLine | dt::kVCenter | dt::kNoPrefix);
        if (isSelected && a.focused) drawFocusRect(a.dc, row);
    }
    a.dc.setBkMode(mode);
}

void paintListBox(const PaintArgs& a) {
    const auto* l = dynamic_cast<const forms::ListBox*>(&a.control);
    if (l == nullptr) return;
    Rect rc = a.rect;
    a.dc.fillRect(rc, Brush::solid(colourOf(l->BackColor())));
    drawSunkenBorder(a.dc, rc);
    a.dc.selectFont(fontOf(l->Font()));
    paintRows(a, rc, l->ListCount(), l->TopIndex(), l->ListIndex(), colourOf(l->ForeColor()),
              l->enabledOnForm(), [l](int i) -> const std::string& { return l->List(i); });
}

void paintComboBox(const PaintArgs& a) {
    const auto* c = dynamic_cast<const forms::ComboBox*>(&a.control);
    if (c == nullptr) return;
    const bool enabled = c->enabledOnForm();
    const gfx::Colour back = enabled ? colourOf(c->BackColor()) : sys(gfx::kColourButtonFace);
    Rect edit = a.rect;
    if (c->Style() == 1) edit.bottom = std::min(edit.bottom, edit.top + kComboEditPixels);
    a.dc.fillRect(edit, Brush::solid(back));
    drawSunkenBorder(a.dc, edit);
    a.dc.selectFont(fontOf(c->Font()));
    if (c->Style() != 1) {
        // The drop-down button fills the right end of the field.
        Rect button{std::max(edit.left, edit.right - kScrollBarSize), edit.top, edit.right, edit.bottom};
        edit.right = button.left;
        drawButtonFace(a.dc, button);
        drawArrow(a.dc, button, Arrow::Down, sys(enabled ? gfx::kColourButtonText : gfx::kColourGrayText));
    }
    Rect text{edit.left + 1, edit.top + 1, edit.right - 1, edit.bottom - 1};
    const bool highlighted = a.focused && c->Style() == 2;
    if (highlighted) a.dc.fillRect(text, Brush::solid(sys(gfx::kColourHighlight)));
    const auto mode = a.dc.setBkMode(gfx::BackgroundMode::Transparent);
    a.dc.setTextColour(!enabled ? sys(gfx::kColourGrayText)
                       : highlighted ? sys(gfx::kColourHighlightText) : colourOf(c->ForeColor()));
    Rect inner{text.left + 1, text.top, text.right, text.bottom};
    a.dc.drawText(c->Text(), inner, dt::kSingleLine | dt::kVCenter | dt::kNoPrefix);
    a.dc.setBkMode(mode);
    if (highlighted) drawFocusRect(a.dc, text);
    if (c->Style() == 1 && a.rect.bottom > edit.bottom + 4) {
        Rect list{a.rect.left, edit.bottom + 1, a.rect.right, a.rect.bottom};
        a.dc.fillRect(list, Brush::solid(back));
        drawSunkenBorder(a.dc, list);
        PaintArgs rows{a.control, a.dc, a.rect, false, a.client};
        paintRows(rows, list, c->ListCount(), 0, c->ListIndex(), colourOf(c->ForeColor()), enabled,
                  [c](int i) -> const std::string& { return c->List(i); });
    }
}

}  // namespace

void registerListPainters() {
    registerPainter("ListBox", paintListBox);
    registerPainter("ComboBox", paintComboBox);
}

}  // namespace qv::present
