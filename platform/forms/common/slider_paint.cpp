// How the slider looks: the groove, the ticks and the thumb where its value is.
#include <algorithm>
#include <cmath>

#include "platform/forms/common/slider.h"
#include "platform/forms/drawing.h"

namespace qv::forms {
namespace {

// Sliders are drawn along and across their track; this maps those onto the canvas.
struct Axes {
    Rect box;
    bool vertical;
    Rect rect(int along0, int across0, int along1, int across1) const {
        return vertical ? Rect{box.left + across0, box.top + along0, box.left + across1, box.top + along1}
                        : Rect{box.left + along0, box.top + across0, box.left + along1, box.top + across1};
    }
};

}  // namespace

void Slider::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    const Axes ax{rect, Orientation() == 1};
    dc.fillRect(rect, Brush::solid(colourOf(BackColor())));
    const int ticks = TickStyle();
    // The thumb lies below the ticks at the top (TickStyle 1) or above those at the bottom.
    const int thumbTop = ticks == 1 || ticks == 2 ? 8 : 4;
    const int thumbDepth = kThumbDepth;
    const int channel = thumbTop + thumbDepth / 2;
    Rect groove = ax.rect(trackStart() - 5, channel - 2, trackEnd() + 6, channel + 2);
    dc.drawEdge(groove, gfx::edge::kSunken, gfx::edge::kRect | gfx::edge::kAdjust);
    dc.fillRect(groove, Brush::solid(sys(gfx::kColourWindow)));

    const Brush tick = Brush::solid(sys(gfx::kColourWindowText));
    if (ticks != 3 && Max() > Min()) {
        const int step = std::max(1, TickFrequency());
        const int span = trackEnd() - trackStart();
        for (int v = Min(); v <= Max(); v += step) {
            const int at = trackStart() + int(std::lround(double(v - Min()) / (Max() - Min()) * span));
            const int len = v == Min() || v + step > Max() ? 4 : 3;
            if (ticks == 0 || ticks == 2)
                dc.fillRect(ax.rect(at, thumbTop + thumbDepth + 2, at + 1, thumbTop + thumbDepth + 2 + len), tick);
            if (ticks == 1 || ticks == 2) dc.fillRect(ax.rect(at, thumbTop - 2 - len, at + 1, thumbTop - 2), tick);
        }
    }
    const int c = thumbCentre(), half = kThumbLength / 2;
    Rect thumb = ax.rect(c - half, thumbTop, c + half + 1, thumbTop + thumbDepth);
    drawButtonFace(dc, thumb);
    if (focused()) drawFocusRect(dc, rect);
}

}  // namespace qv::forms
