// How list boxes and combo boxes look.
#include <algorithm>
#include <functional>

#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/list_rows.h"
#include "platform/forms/intrinsic/lists.h"

namespace qv::forms {
namespace {

constexpr int kRow = ListBox::kRowPixels;
constexpr int kComboEditPixels = 21;

}  // namespace

void paintListRows(gfx::DeviceContext& dc, Rect rc, int count, int first, int selected, gfx::Colour fore, bool enabled,
                   bool focused, const std::function<const std::string&(int)>& text) {
    const int fits = std::max(1, int(rc.height()) / kRow);
    if (count > fits) {
        drawVerticalScrollBar(dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, first, count, fits);
        rc.right -= kScrollBarSize;
    }
    const auto mode = dc.setBkMode(gfx::BackgroundMode::Transparent);
    for (int i = std::max(0, first), y = rc.top; i < count && y < rc.bottom; ++i, y += kRow) {
        Rect row{rc.left, y, rc.right, y + kRow};
        const bool isSelected = i == selected;
        if (isSelected) dc.fillRect(row, Brush::solid(sys(gfx::kColourHighlight)));
        dc.setTextColour(!enabled ? sys(gfx::kColourGrayText) : isSelected ? sys(gfx::kColourHighlightText) : fore);
        Rect textRc{row.left + 2, row.top, row.right, row.bottom};
        dc.drawText(text(i), textRc, dt::kSingleLine | dt::kVCenter | dt::kNoPrefix);
        if (isSelected && focused) drawFocusRect(dc, row);
    }
    dc.setBkMode(mode);
}

void ListBox::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    dc.fillRect(rc, Brush::solid(colourOf(BackColor())));
    drawSunkenBorder(dc, rc);
    dc.selectFont(fontOf(Font()));
    paintListRows(dc, rc, ListCount(), TopIndex(), ListIndex(), colourOf(ForeColor()), enabledOnForm(), focused(),
              [this](int i) -> const std::string& { return List(i); });
}

void ComboBox::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    const bool enabled = enabledOnForm();
    const gfx::Colour back = enabled ? colourOf(BackColor()) : sys(gfx::kColourButtonFace);
    Rect edit = rect;
    if (Style() == 1) edit.bottom = std::min(edit.bottom, edit.top + kComboEditPixels);
    dc.fillRect(edit, Brush::solid(back));
    drawSunkenBorder(dc, edit);
    dc.selectFont(fontOf(Font()));
    if (Style() != 1) {
        // The drop-down button fills the right end of the field.
        Rect button{std::max(edit.left, edit.right - kScrollBarSize), edit.top, edit.right, edit.bottom};
        edit.right = button.left;
        drawButtonFace(dc, button);
        drawArrow(dc, button, Arrow::Down, sys(enabled ? gfx::kColourButtonText : gfx::kColourGrayText));
    }
    Rect text{edit.left + 1, edit.top + 1, edit.right - 1, edit.bottom - 1};
    const bool highlighted = focused() && Style() == 2;
    if (highlighted) dc.fillRect(text, Brush::solid(sys(gfx::kColourHighlight)));
    const auto mode = dc.setBkMode(gfx::BackgroundMode::Transparent);
    dc.setTextColour(!enabled ? sys(gfx::kColourGrayText)
                     : highlighted ? sys(gfx::kColourHighlightText) : colourOf(ForeColor()));
    Rect inner{text.left + 1, text.top, text.right, text.bottom};
    dc.drawText(Text(), inner, dt::kSingleLine | dt::kVCenter | dt::kNoPrefix);
    dc.setBkMode(mode);
    if (highlighted) drawFocusRect(dc, text);
    if (Style() == 1 && rect.bottom > edit.bottom + 4) {
        Rect list{rect.left, edit.bottom + 1, rect.right, rect.bottom};
        dc.fillRect(list, Brush::solid(back));
        drawSunkenBorder(dc, list);
        paintListRows(dc, list, ListCount(), 0, ListIndex(), colourOf(ForeColor()), enabled, false,
                  [this](int i) -> const std::string& { return List(i); });
    }
}

}  // namespace qv::forms
