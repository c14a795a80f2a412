#include "platform/forms/intrinsic/menu_paint.h"

#include <algorithm>
#include <vector>

#include "platform/forms/drawing.h"
#include "platform/gfx/device_context.h"

namespace qv::forms {
namespace {

using gfx::DeviceContext;

constexpr int kItemHeight = 17, kSeparatorHeight = 8, kBorder = 3;
constexpr int kMarkColumn = 18, kArrowColumn = 16, kShortcutGap = 16;

// The check mark of a checked entry: seven columns, as a check box shows it.
void drawMenuCheck(DeviceContext& dc, int x, int y, gfx::Colour c) {
    static constexpr int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 3; ++j) dc.setPixelV(x + i, y + kTops[i] + j, c);
}

}  // namespace

std::vector<Menu*> shownEntries(const Menu& menu) {
    std::vector<Menu*> shown;
    for (Menu* m : menu.entries())
        if (m->Visible()) shown.push_back(m);
    return shown;
}

int menuEntryAt(const Menu& menu, int y) {
    int top = kBorder, n = 0;
    for (const Menu* m : shownEntries(menu)) {
        ++n;
        const int h = m->isSeparator() ? kSeparatorHeight : kItemHeight;
        if (y >= top && y < top + h) return n;
        top += h;
    }
    return 0;
}

gfx::Canvas renderMenu(const Menu& menu, int highlighted) {
    const std::vector<Menu*> shown = shownEntries(menu);
    if (shown.empty()) return {};

    const gfx::Font font{"MS Sans Serif", 8.25};
    int textWidth = 0, shortcutWidth = 0, height = 2 * kBorder;
    for (const Menu* m : shown) {
        height += m->isSeparator() ? kSeparatorHeight : kItemHeight;
        gfx::Canvas probe(1, 1);
        gfx::DeviceContext pc(probe);
        pc.selectFont(font);
        Rect fit{0, 0, 0, 0};
        pc.drawText(m->Caption(), fit, dt::kSingleLine | dt::kCalcRect);
        textWidth = std::max(textWidth, int(fit.width()));
        if (!m->Shortcut().empty()) shortcutWidth = std::max(shortcutWidth, gfx::textExtent(font, m->Shortcut()).cx);
    }
    const int width = 2 * kBorder + kMarkColumn + textWidth + (shortcutWidth ? kShortcutGap + shortcutWidth : 0) +
                      kArrowColumn;

    gfx::Canvas canvas(width, height, sys(gfx::kColourMenu));
    gfx::DeviceContext dc(canvas);
    Rect frame{0, 0, width, height};
    dc.drawEdge(frame, gfx::edge::kRaised, gfx::edge::kRect);
    dc.selectFont(font);
    int y = kBorder, n = 0;
    for (const Menu* m : shown) {
        ++n;
        if (m->isSeparator()) {
            Rect line{kBorder + 1, y + kSeparatorHeight / 2 - 1, width - kBorder - 1, y + kSeparatorHeight / 2 + 1};
            dc.drawEdge(line, gfx::edge::kEtched, gfx::edge::kTop);
            y += kSeparatorHeight;
            continue;
        }
        const Rect row{kBorder, y, width - kBorder, y + kItemHeight};
        const bool enabled = m->Enabled();
        const bool hot = n == highlighted;
        if (hot) dc.fillRect(row, Brush::solid(sys(gfx::kColourHighlight)));
        const gfx::Colour text = hot ? sys(enabled ? gfx::kColourHighlightText : gfx::kColourGrayText)
                                     : sys(gfx::kColourMenuText);
        const bool embossed = !enabled && !hot;
        if (m->Checked()) drawMenuCheck(dc, row.left + 5, row.top + 5, embossed ? sys(gfx::kColourGrayText) : text);
        Rect label{row.left + kMarkColumn, row.top, row.right - kArrowColumn, row.bottom};
        drawCaption(dc, m->Caption(), label, dt::kLeft | dt::kVCenter | dt::kSingleLine,
                    hot || enabled ? text : 0, enabled || hot);
        if (!m->Shortcut().empty())
            drawCaption(dc, m->Shortcut(), label, dt::kRight | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix,
                        hot || enabled ? text : 0, enabled || hot);
        if (!m->entries().empty())
            drawArrow(dc, {row.right - kArrowColumn, row.top, row.right, row.bottom}, Arrow::Right, text);
        y += kItemHeight;
    }
    return canvas;
}

}  // namespace qv::forms
