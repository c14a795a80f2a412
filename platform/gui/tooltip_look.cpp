#include "platform/gui/tooltip_look.h"

#include <algorithm>

#include "platform/gfx/device_context.h"
#include "platform/gui/classic_parts.h"
#include "platform/gui/types.h"

namespace qv::gui {
namespace {

namespace dt = gfx::dt;
using gfx::Brush;
using gfx::DeviceContext;

constexpr int kPad = 4, kIcon = 16, kStem = 12, kMaxTextWidth = 300;

// A 16-pixel mark of the title's kind: a blue disc with "i", a yellow triangle with "!", a red
// disc with "x".
void drawTitleIcon(DeviceContext& dc, int x, int y, int icon) {
    const gfx::Pen outline{gfx::PenStyle::Solid, 1, 0};
    dc.selectPen(outline);
    const gfx::Colour white = gfx::rgb(255, 255, 255), black = 0;
    Rect glyph{x, y, x + kIcon, y + kIcon};
    dc.selectFont(gfx::Font{"MS Sans Serif", 8.25, true});
    const unsigned centred = dt::kCenter | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix;
    if (icon == 2) {
        const gfx::Point tri[] = {{x + 7, y}, {x + 15, y + 15}, {x, y + 15}};
        dc.selectBrush(Brush::solid(gfx::rgb(255, 255, 0)));
        dc.polygon(tri);
        glyph.top += 3;
        drawCaption(dc, "!", glyph, centred, black, true);
        return;
    }
    dc.selectBrush(Brush::solid(icon == 3 ? gfx::rgb(255, 0, 0) : gfx::rgb(0, 0, 255)));
    dc.ellipse(x, y, x + kIcon, y + kIcon);
    drawCaption(dc, icon == 3 ? "x" : "i", glyph, centred, white, true);
}

}  // namespace

gfx::Canvas renderTip(const TipLook& look) {
    const gfx::Font plain{"MS Sans Serif", 8.25}, bold{"MS Sans Serif", 8.25, true};
    gfx::Canvas probe(1, 1);
    gfx::DeviceContext pc(probe);
    auto measure = [&](std::string_view text, const gfx::Font& f) {
        pc.selectFont(f);
        Rect r{0, 0, kMaxTextWidth, 0};
        pc.drawText(text, r, dt::kWordBreak | dt::kNoPrefix | dt::kCalcRect);
        return r;
    };
    const Rect body = measure(look.text, plain);
    Rect head{0, 0, 0, 0};
    const bool titled = !look.title.empty();
    if (titled) {
        head = measure(look.title, bold);
        if (look.icon != 0) head.right += kIcon + kPad;
        head.bottom = std::max<int>(int(head.bottom), kIcon);
    }
    const int pad = look.balloon ? 2 * kPad : kPad;
    const int inner = int(std::max(body.width(), head.width()));
    const int top = look.balloon ? kStem : 0;
    const int w = inner + 2 * pad;
    const int h = top + int(head.height()) + (titled ? kPad : 0) + int(body.height()) + 2 * pad;

    gfx::Canvas canvas(w, h, look.balloon ? gfx::rgb(255, 255, 255) : look.backColour);
    gfx::DeviceContext dc(canvas);
    dc.selectPen({gfx::PenStyle::Solid, 1, 0});
    dc.selectBrush(Brush::solid(look.backColour));
    if (look.balloon) {
        // The outline, then its stem near the left pointing up at the tool.
        dc.roundRect(0, top, w, h, 14, 14);
        const gfx::Point stem[] = {{14, top + 1}, {14, 0}, {28, top + 1}};
        dc.polygon(stem);
        dc.fillRect({15, top, 27, top + 2}, Brush::solid(look.backColour));
    } else {
        dc.rectangle(0, 0, w, h);
    }
    int y = top + pad;
    if (titled) {
        int x = pad;
        if (look.icon != 0) {
            drawTitleIcon(dc, x, y, look.icon);
            x += kIcon + kPad;
        }
        dc.selectFont(bold);
        drawCaption(dc, look.title, {x, y, w - pad, y + int(head.height())}, dt::kLeft | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix,
                    look.textColour, true);
        y += int(head.height()) + kPad;
    }
    dc.selectFont(plain);
    drawCaption(dc, look.text, {pad, y, w - pad, h - pad}, dt::kLeft | dt::kWordBreak | dt::kNoPrefix,
                look.textColour, true);
    return canvas;
}

}  // namespace qv::gui
