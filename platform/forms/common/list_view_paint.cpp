// How the list view looks in report view: column headers, rows with check boxes, small icons and
// sub-items, the selection, grid lines.
#include <algorithm>

#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/drawing.h"
#include "platform/forms/types.h"
#include "platform/gfx/picture.h"

namespace qv::forms {
namespace {

unsigned columnFormat(int alignment) {
    return (alignment == 1 ? dt::kRight : alignment == 2 ? dt::kCenter : dt::kLeft) | dt::kSingleLine |
           dt::kVCenter | dt::kNoPrefix;
}

const gfx::Picture* smallIcon(const ListView& lv, int index) {
    const ImageList* il = lv.SmallIcons();
    if (il == nullptr || index < 1 || index > il->Count()) return nullptr;
    return (*il)(index).Picture.get();
}

void paintHeaders(gfx::DeviceContext& dc, const ListView& lv, const Rect& band) {
    const auto& cols = lv.ColumnHeaders();
    int x = band.left;
    for (int c = 1; c <= cols.Count() && x < band.right; ++c) {
        const ColumnHeader& col = cols(c);
        Rect face{x, band.top, x + twipsToPixels(col.Width), band.bottom};
        x = face.right;
        if (face.isEmpty()) continue;
        drawButtonFace(dc, face);
        Rect text{face.left + 4, face.top, face.right - 4, face.bottom};
        drawCaption(dc, col.Text, text, columnFormat(col.Alignment), sys(gfx::kColourButtonText), true);
    }
    // The header goes on past the last column as an empty button.
    if (x < band.right) {
        Rect rest{x, band.top, band.right, band.bottom};
        drawButtonFace(dc, rest);
    }
}

}  // namespace

void ListView::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    dc.fillRect(rc, Brush::solid(colourOf(BackColor())));
    if (BorderStyle() == 1) drawSunkenBorder(dc, rc);
    dc.selectFont(fontOf(Font()));
    const bool enabled = enabledOnForm();
    const auto& items = ListItems();
    const auto& cols = ColumnHeaders();

    Rect body = rc;
    if (!HideColumnHeaders()) body.top = std::min(rc.bottom, rc.top + kHeaderPixels);
    const int fits = std::max(1, int(body.height()) / kRowPixels);
    if (items.Count() > fits) {
        drawVerticalScrollBar(dc, {body.right - kScrollBarSize, body.top, body.right, body.bottom},
                              TopIndex() - 1, items.Count(), fits);
        body.right -= kScrollBarSize;
        rc.right = body.right;
    }
    if (!HideColumnHeaders()) paintHeaders(dc, *this, {rc.left, rc.top, rc.right, body.top});

    // Column edges, from the left of the body.
    std::vector<int> edges{body.left};
    for (int c = 1; c <= cols.Count(); ++c) edges.push_back(edges.back() + twipsToPixels(cols(c).Width));
    if (cols.Count() == 0) edges.push_back(body.right);

    const bool showSelection = focused() || !HideSelection();
    const auto mode = dc.setBkMode(gfx::BackgroundMode::Transparent);
    const ClipTo rows(dc, body);
    int y = body.top;
    for (int i = TopIndex(); i <= items.Count() && y < body.bottom; ++i, y += kRowPixels) {
        const ListItem& item = items(i);
        const Rect row{body.left, y, body.right, y + kRowPixels};
        int x = row.left;
        if (Checkboxes()) {
            drawCheckMark(dc, x + 2, y + (kRowPixels - kCheckSize) / 2, item.Checked() ? 1 : 0, enabled);
            x += kCheckPixels + 2;
        }
        if (SmallIcons() != nullptr) {
            if (const gfx::Picture* icon = smallIcon(*this, item.SmallIcon)) dc.drawIcon(x, y, icon, 16, 16);
            x += 18;
        }
        const bool selected = item.Selected() && showSelection;
        const gfx::Colour selBack = focused() ? sys(gfx::kColourHighlight) : sys(gfx::kColourButtonFace);
        const gfx::Colour selText = focused() ? sys(gfx::kColourHighlightText) : sys(gfx::kColourWindowText);
        const gfx::Colour fore = enabled ? colourOf(ForeColor()) : sys(gfx::kColourGrayText);
        if (selected) {
            // The first column's text, or the whole row with FullRowSelect.
            const int right = FullRowSelect() ? std::min(edges.back(), row.right) : edges[1];
            const Rect band{x, y, right, row.bottom};
            dc.fillRect(band, Brush::solid(selBack));
        }
        for (int c = 1; c < int(edges.size()); ++c) {
            const int left = c == 1 ? x : edges[c - 1];
            Rect cell{left + (c == 1 ? 2 : 6), y, edges[c] - 4, row.bottom};
            if (cell.isEmpty()) continue;
            const bool inSelection = selected && (c == 1 || FullRowSelect());
            dc.setTextColour(inSelection ? selText : fore);
            const std::string text = c == 1 ? item.Text() : item.SubItems(c - 1);
            dc.drawText(text, cell, columnFormat(cols.Count() >= c ? cols(c).Alignment : 0));
        }
        if (selected && focused() && !FullRowSelect()) drawFocusRect(dc, {x, y, edges[1], row.bottom});
    }
    if (GridLines()) {
        const Brush grid = Brush::solid(sys(gfx::kColourButtonFace));
        for (int gy = body.top + kRowPixels - 1; gy < body.bottom; gy += kRowPixels)
            dc.fillRect({body.left, gy, body.right, gy + 1}, grid);
        for (size_t c = 1; c < edges.size(); ++c)
            dc.fillRect({edges[c] - 1, body.top, edges[c], body.bottom}, grid);
    }
    dc.setBkMode(mode);
}

}  // namespace qv::forms
