// How the tab control looks: the tabs along its top, the current one raised and open onto its page.
#include "platform/forms/common/xtab.h"
#include "platform/forms/drawing.h"

namespace qv::forms {
void XTab::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    const Rect& r = rect;
    dc.fillRect(r, Brush::solid(colourOf(BackColor())));
    constexpr int kHeader = kHeaderPixels;
    Rect page{r.left, r.top + kHeader, r.right, r.bottom};
    dc.drawEdge(page, gfx::edge::kRaised, gfx::edge::kRect | gfx::edge::kSoft);
    dc.selectFont(fontOf(Font()));
    const Brush face = Brush::solid(colourOf(BackColor()));
    const Brush light = Brush::solid(sys(gfx::kColourButtonHighlight));
    const Brush shadow = Brush::solid(sys(gfx::kColourButtonShadow)), dark = Brush::solid(sys(gfx::kColour3dDarkShadow));
    // Every tab but the current one first, then the current one raised above the rest and
    // open onto its page.
    auto tab = [&](int i, bool current) {
        const auto h = headerRect(i);
        Rect tr{r.left + h.left, r.top + h.top + 2, r.left + h.right, r.top + kHeader};
        if (current) tr = {tr.left - 2, r.top, tr.right + 2, r.top + kHeader + 1};
        dc.fillRect(tr, face);
        dc.fillRect({tr.left, tr.top + 2, tr.left + 1, tr.bottom}, light);
        dc.fillRect({tr.left + 1, tr.top + 1, tr.left + 2, tr.top + 2}, light);
        dc.fillRect({tr.left + 2, tr.top, tr.right - 2, tr.top + 1}, light);
        dc.fillRect({tr.right - 2, tr.top + 1, tr.right - 1, tr.bottom}, shadow);
        dc.fillRect({tr.right - 1, tr.top + 2, tr.right, tr.bottom}, dark);
        Rect text{tr.left + 2, tr.top + 1, tr.right - 2, tr.top + kHeader - 1};
        drawCaption(dc, TabCaption(i), text, dt::kCenter | dt::kVCenter | dt::kSingleLine,
                    colourOf(ForeColor()), TabEnabled(i) && enabledOnForm());
        if (current && focused()) drawFocusRect(dc, {text.left + 1, text.top + 1, text.right - 1, text.bottom - 1});
    };
    for (int i = 0; i < TabCount(); ++i)
        if (i != CurrTab()) tab(i, false);
    tab(CurrTab(), true);
}

}  // namespace qv::forms
