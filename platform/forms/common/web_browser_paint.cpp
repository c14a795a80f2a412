// How the browser looks: the page drawn by the HTML engine in a sunken field, with a scroll bar.
#include <algorithm>

#include "platform/forms/common/web_browser.h"
#include "platform/forms/drawing.h"

namespace qv::forms {
void WebBrowser::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    dc.fillRect(rc, Brush::solid(sys(gfx::kColourWindow)));
    drawSunkenBorder(dc, rc);
    auto* page = const_cast<WebBrowser*>(this);  // laying the page out is no change of state
    page->paintPage(dc, {rect.left, rect.top});
    const int view = int(pageArea().height());
    drawVerticalScrollBar(dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, scrollTop(),
                          std::max(page->pageHeight(), view), view);
}

}  // namespace qv::forms
