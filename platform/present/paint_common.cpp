// The common controls: progress bars, sliders, the tab control, the browser and animations
// (rich-text boxes draw as text boxes).
#include <algorithm>
#include <cmath>

#include "platform/forms/common/animation.h"
#include "platform/forms/common/progress_bar.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/common/web_browser.h"
#include "platform/forms/common/xtab.h"
#include "platform/present/classic_parts.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using gfx::Brush;
namespace dt = gfx::dt;

void paintProgressBar(const PaintArgs& a) {
    const auto* p = dynamic_cast<const forms::ProgressBar*>(&a.control);
    if (p == nullptr) return;
    Rect rc = a.rect;
    a.dc.fillRect(rc, Brush::solid(sys(gfx::kColourButtonFace)));
    if (p->Appearance() == 1) a.dc.drawEdge(rc, gfx::edge::kSunkenOuter, gfx::edge::kRect | gfx::edge::kAdjust);
    else a.dc.frameRect(rc, Brush::solid(sys(gfx::kColourWindowFrame)));
    if (p->Appearance() != 1) rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    if (rc.isEmpty()) return;
    const bool vertical = p->Orientation() == 1;
    const int length = int(vertical ? rc.height() : rc.width());
    const int filled = int(std::lround(std::clamp(p->fraction(), 0.0, 1.0) * length));
    const Brush bar = Brush::solid(sys(gfx::kColourHighlight));
    // Blocks two-thirds as long as the bar is thick, two pixels apart; smooth fills at once.
    const int thick = int(vertical ? rc.width() : rc.height());
    const int block = p->Scrolling() == 1 ? filled : std::max(2, thick * 2 / 3), gap = p->Scrolling() == 1 ? 0 : 2;
    for (int at = 0; at < filled; at += block + gap) {
        const int end = std::min(filled, at + block);
        if (vertical) a.dc.fillRect({rc.left, rc.bottom - end, rc.right, rc.bottom - at}, bar);
        else a.dc.fillRect({rc.left + at, rc.top, rc.left + end, rc.bottom}, bar);
    }
}

// Sliders are drawn along and across their track; this maps those onto the canvas.
struct Axes {
    Rect box;
    bool vertical;
    Rect rect(int along0, int across0, int along1, int across1) const {
        return vertical ? Rect{box.left + across0, box.top + along0, box.left + across1, box.top + along1}
                        : Rect{box.left + along0, box.top + across0, box.left + along1, box.top + across1};
    }
};

void paintSlider(const PaintArgs& a) {
    const auto* s = dynamic_cast<const forms::Slider*>(&a.control);
    if (s == nullptr) return;
    const Axes ax{a.rect, s->Orientation() == 1};
    a.dc.fillRect(a.rect, Brush::solid(colourOf(s->BackColor())));
    const int ticks = s->TickStyle();
    // The thumb lies below the ticks at the top (TickStyle 1) or above those at the bottom.
    const int thumbTop = ticks == 1 || ticks == 2 ? 8 : 4;
    const int thumbDepth = forms::Slider::kThumbDepth;
    const int channel = thumbTop + thumbDepth / 2;
    Rect groove = ax.rect(s->trackStart() - 5, channel - 2, s->trackEnd() + 6, channel + 2);
    a.dc.drawEdge(groove, gfx::edge::kSunken, gfx::edge::kRect | gfx::edge::kAdjust);
    a.dc.fillRect(groove, Brush::solid(sys(gfx::kColourWindow)));

    const Brush tick = Brush::solid(sys(gfx::kColourWindowText));
    if (ticks != 3 && s->Max() > s->Min()) {
        const int step = std::max(1, s->TickFrequency());
        const int span = s->trackEnd() - s->trackStart();
        for (int v = s->Min(); v <= s->Max(); v += step) {
            const int at = s->trackStart() + int(std::lround(double(v - s->Min()) / (s->Max() - s->Min()) * span));
            const int len = v == s->Min() || v + step > s->Max() ? 4 : 3;
            if (ticks == 0 || ticks == 2)
                a.dc.fillRect(ax.rect(at, thumbTop + thumbDepth + 2, at + 1, thumbTop + thumbDepth + 2 + len), tick);
            if (ticks == 1 || ticks == 2) a.dc.fillRect(ax.rect(at, thumbTop - 2 - len, at + 1, thumbTop - 2), tick);
        }
    }
    const int c = s->thumbCentre(), half = forms::Slider::kThumbLength / 2;
    Rect thumb = ax.rect(c - half, thumbTop, c + half + 1, thumbTop + thumbDepth);
    drawButtonFace(a.dc, thumb);
    if (a.focused) drawFocusRect(a.dc, a.rect);
}

void paintTabs(const PaintArgs& a) {
    const auto* t = dynamic_cast<const forms::XTab*>(&a.control);
    if (t == nullptr) return;
    const Rect& r = a.rect;
    a.dc.fillRect(r, Brush::solid(colourOf(t->BackColor())));
    constexpr int kHeader = forms::XTab::kHeaderPixels;
    Rect page{r.left, r.top + kHeader, r.right, r.bottom};
    a.dc.drawEdge(page, gfx::edge::kRaised, gfx::edge::kRect | gfx::edge::kSoft);
    a.dc.selectFont(fontOf(t->Font()));
    const Brush face = Brush::solid(colourOf(t->BackColor()));
    const Brush light = Brush::solid(sys(gfx::kColourButtonHighlight));
    const Brush shadow = Brush::solid(sys(gfx::kColourButtonShadow)), dark = Brush::solid(sys(gfx::kColour3dDarkShadow));
    // Every tab but the current one first, then the current one raised above the rest and
    // open onto its page.
    auto tab = [&](int i, bool current) {
        const auto h = t->headerRect(i);
        Rect tr{r.left + h.left, r.top + h.top + 2, r.left + h.right, r.top + kHeader};
        if (current) tr = {tr.left - 2, r.top, tr.right + 2, r.top + kHeader + 1};
        a.dc.fillRect(tr, face);
        a.dc.fillRect({tr.left, tr.top + 2, tr.left + 1, tr.bottom}, light);
        a.dc.fillRect({tr.left + 1, tr.top + 1, tr.left + 2, tr.top + 2}, light);
        a.dc.fillRect({tr.left + 2, tr.top, tr.right - 2, tr.top + 1}, light);
        a.dc.fillRect({tr.right - 2, tr.top + 1, tr.right - 1, tr.bottom}, shadow);
        a.dc.fillRect({tr.right - 1, tr.top + 2, tr.right, tr.bottom}, dark);
        Rect text{tr.left + 2, tr.top + 1, tr.right - 2, tr.top + kHeader - 1};
        drawCaption(a.dc, t->TabCaption(i), text, dt::kCenter | dt::kVCenter | dt::kSingleLine,
                    colourOf(t->ForeColor()), t->TabEnabled(i) && t->enabledOnForm());
        if (current && a.focused) drawFocusRect(a.dc, {text.left + 1, text.top + 1, text.right - 1, text.bottom - 1});
    };
    for (int i = 0; i < t->TabCount(); ++i)
        if (i != t->CurrTab()) tab(i, false);
    tab(t->CurrTab(), true);
}

void paintWebBrowser(const PaintArgs& a) {
    const auto* w = dynamic_cast<const forms::WebBrowser*>(&a.control);
    if (w == nullptr) return;
    Rect rc = a.rect;
    a.dc.fillRect(rc, Brush::solid(sys(gfx::kColourWindow)));
    drawSunkenBorder(a.dc, rc);
    auto* page = const_cast<forms::WebBrowser*>(w);  // laying the page out is no change of state
    page->paintPage(a.dc, {a.rect.left, a.rect.top});
    const int view = int(w->pageArea().height());
    drawVerticalScrollBar(a.dc, {rc.right - kScrollBarSize, rc.top, rc.right, rc.bottom}, w->scrollTop(),
                          std::max(page->pageHeight(), view), view);
}

void paintAnimation(const PaintArgs& a) {
    const auto* an = dynamic_cast<const forms::Animation*>(&a.control);
    if (an == nullptr) return;
    if (an->BackStyle() == 1) a.dc.fillRect(a.rect, Brush::solid(colourOf(an->BackColor())));
    // The clip itself is not decoded here: an open clip shows its name, so a picture of the
    // window still tells what would play there.
    if (an->clip().empty()) return;
    std::string name = an->clip();
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    a.dc.selectFont(gfx::Font{});
    drawCaption(a.dc, name, a.rect, dt::kCenter | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix,
                sys(gfx::kColourGrayText), true);
}

}  // namespace

void registerCommonPainters() {
    registerPainter("ProgressBar", paintProgressBar);
    registerPainter("Slider", paintSlider);
    registerPainter("XTab", paintTabs);
    registerPainter("WebBrowser", paintWebBrowser);
    registerPainter("Animation", paintAnimation);
    // A rich-text box is a text box as the program uses it.
    if (const Painter* text = findPainter("TextBox")) registerPainter("RichTextBox", *text);
}

}  // namespace qv::present
