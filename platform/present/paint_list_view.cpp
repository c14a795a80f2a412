// The list view in report view: column headers, rows with check boxes, small icons and
// sub-items, the selection, grid lines.
#include <algorithm>

#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/types.h"
#include "platform/gfx/picture.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
using forms::ListView;
namespace dt = gfx::dt;

unsigned columnFormat(int alignment) {
    return (alignment == 1 ? dt::kRight : alignment == 2 ? dt::kCenter : dt::kLeft) | dt::kSingleLine |
           dt::kVCenter | dt::kNoPrefix;
}

const gfx::Picture* smallIcon(const ListView& lv, int index) {
    const forms::ImageList* il = lv.SmallIcons();
    if (il == nullptr || index < 1 || index > il->Count()) return nullptr;
    return (*il)(index).Picture.get();
}

void paintHeaders(const PaintArgs& a, const ListView& lv, const Rect& band) {
    const auto& cols = lv.ColumnHeaders();
    int x = band.left;
    for (int c = 1; c <= cols.Count() && x < band.right; ++c) {
        const forms::ColumnHeader& col = cols(c);
        Rect face{x, band.top, x + forms::twipsToPixels(col.Width), band.bottom};
        x = face.right;
        if (face.isEmpty()) continue;
        drawButtonFace(a.dc, face);
        Rect text{face.left + 4, face.top, face.right - 4, face.bottom};
        drawCaption(a.dc, col.Text, text, columnFormat(col.Alignment), sys(gfx::kColourButtonText), true);
    }
    // The header goes on past the last column as an empty button.
    if (x < band.right) {
        Rect rest{x, band.top, band.right, band.bottom};
        drawButtonFace(a.dc, rest);
    }
}

void paintListView(const PaintArgs& a) {
    const auto* lv = dynamic_cast<const ListView*>(&a.control);
    if (lv == nullptr) return;
    Rect rc = a.rect;
    a.dc.fillRect(rc, Brush::solid(colourOf(lv->BackColor())));
    if (lv->BorderStyle() == 1) drawSunkenBorder(a.dc, rc);
    a.dc.selectFont(fontOf(lv->Font()));
    const bool enabled = lv->enabledOnForm();
    const auto& items = lv->ListItems();
    const auto& cols = lv->ColumnHeaders();

    Rect body = rc;
    if (!lv->HideColumnHeaders()) body.top = std::min(rc.bottom, rc.top + ListView::kHeaderPixels);
    const int fits = std::max(1, int(body.height()) / ListView::kRowPixels);
    if (items.Count() > fits) {
        drawVerticalScrollBar(a.dc, {body.right - kScrollBarSize, body.top, body.right, body.bottom},
                              lv->TopIndex() - 1, items.Count(), fits);
        body.right -= kScrollBarSize;
        rc.right = body.right;
    }
    if (!lv->HideColumnHeaders()) paintHeaders(a, *lv, {rc.left, rc.top, rc.right, body.top});

    // Column edges, from the left of the body.
    std::vector<int> edges{body.left};
    for (int c = 1; c <= cols.Count(); ++c) edges.push_back(edges.back() + forms::twipsToPixels(cols(c).Width));
    if (cols.Count() == 0) edges.push_back(body.right);

    const bool showSelection = a.focused || !lv->HideSelection();
    const auto mode = a.dc.setBkMode(gfx::BackgroundMode::Transparent);
    a.dc.setClip(gfx::Region::combine(a.dc.clip() ? *a.dc.clip() : gfx::Region::rect(body),
                                      gfx::Region::rect(body), gfx::CombineMode::And));
    int y = body.top;
    for (int i = lv->TopIndex(); i <= items.Count() && y < body.bottom; ++i, y += ListView::kRowPixels) {
        const forms::ListItem& item = items(i);
        const Rect row{body.left, y, body.right, y + ListView::kRowPixels};
        int x = row.left;
        if (lv->Checkboxes()) {
            drawCheckMark(a.dc, x + 2, y + (ListView::kRowPixels - kCheckSize) / 2, item.Checked() ? 1 : 0, enabled);
            x += ListView::kCheckPixels + 2;
        }
        if (lv->SmallIcons() != nullptr) {
            if (const gfx::Picture* icon = smallIcon(*lv, item.SmallIcon)) a.dc.drawIcon(x, y, icon, 16, 16);
            x += 18;
        }
        const bool selected = item.Selected() && showSelection;
        const gfx::Colour selBack = a.focused ? sys(gfx::kColourHighlight) : sys(gfx::kColourButtonFace);
        const gfx::Colour selText = a.focused ? sys(gfx::kColourHighlightText) : sys(gfx::kColourWindowText);
        const gfx::Colour fore = enabled ? colourOf(lv->ForeColor()) : sys(gfx::kColourGrayText);
        if (selected) {
            // The first column's text, or the whole row with FullRowSelect.
            const int right = lv->FullRowSelect() ? std::min(edges.back(), row.right) : edges[1];
            const Rect band{x, y, right, row.bottom};
            a.dc.fillRect(band, Brush::solid(selBack));
        }
        for (int c = 1; c < int(edges.size()); ++c) {
            const int left = c == 1 ? x : edges[c - 1];
            Rect cell{left + (c == 1 ? 2 : 6), y, edges[c] - 4, row.bottom};
            if (cell.isEmpty()) continue;
            const bool inSelection = selected && (c == 1 || lv->FullRowSelect());
            a.dc.setTextColour(inSelection ? selText : fore);
            const std::string text = c == 1 ? item.Text() : item.SubItems(c - 1);
            a.dc.drawText(text, cell, columnFormat(cols.Count() >= c ? cols(c).Alignment : 0));
        }
        if (selected && a.focused && !lv->FullRowSelect()) drawFocusRect(a.dc, {x, y, edges[1], row.bottom});
    }
    if (lv->GridLines()) {
        const Brush grid = Brush::solid(sys(gfx::kColourButtonFace));
        for (int gy = body.top + ListView::kRowPixels - 1; gy < body.bottom; gy += ListView::kRowPixels)
            a.dc.fillRect({body.left, gy, body.right, gy + 1}, grid);
        for (size_t c = 1; c < edges.size(); ++c)
            a.dc.fillRect({edges[c] - 1, body.top, edges[c], body.bottom}, grid);
    }
    a.dc.setBkMode(mode);
}

}  // namespace

void registerListViewPainter() { registerPainter("ListView", paintListView); }

}  // namespace qv::present
