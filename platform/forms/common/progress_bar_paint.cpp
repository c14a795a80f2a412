// How the progress bar looks: filled in blocks or smoothly from the start of its orientation.
#include <algorithm>
#include <cmath>

#include "platform/forms/common/progress_bar.h"
#include "platform/forms/drawing.h"

namespace qv::forms {
void ProgressBar::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    Rect rc = rect;
    dc.fillRect(rc, Brush::solid(sys(gfx::kColourButtonFace)));
    if (Appearance() == 1) dc.drawEdge(rc, gfx::edge::kSunkenOuter, gfx::edge::kRect | gfx::edge::kAdjust);
    else dc.frameRect(rc, Brush::solid(sys(gfx::kColourWindowFrame)));
    if (Appearance() != 1) rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    if (rc.isEmpty()) return;
    const bool vertical = Orientation() == 1;
    const int length = int(vertical ? rc.height() : rc.width());
    const int filled = int(std::lround(std::clamp(fraction(), 0.0, 1.0) * length));
    const Brush bar = Brush::solid(sys(gfx::kColourHighlight));
    // Blocks two-thirds as long as the bar is thick, two pixels apart; smooth fills at once.
    const int thick = int(vertical ? rc.width() : rc.height());
    const int block = Scrolling() == 1 ? filled : std::max(2, thick * 2 / 3), gap = Scrolling() == 1 ? 0 : 2;
    for (int at = 0; at < filled; at += block + gap) {
        const int end = std::min(filled, at + block);
        if (vertical) dc.fillRect({rc.left, rc.bottom - end, rc.right, rc.bottom - at}, bar);
        else dc.fillRect({rc.left + at, rc.top, rc.left + end, rc.bottom}, bar);
    }
}

}  // namespace qv::forms
