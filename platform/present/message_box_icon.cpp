#include "platform/present/message_box_icon.h"

#include "platform/present/classic_parts.h"

namespace qv::present {
namespace {

namespace dt = gfx::dt;
using gfx::Brush;

constexpr gfx::Colour kWhite = gfx::rgb(255, 255, 255), kBlack = 0, kBlue = gfx::rgb(0, 0, 255);

void mark(gfx::DeviceContext& dc, const char* glyph, gfx::Rect r, gfx::Colour c) {
    dc.selectFont(gfx::Font{"Times New Roman", 18, true});
    drawCaption(dc, glyph, r, dt::kCenter | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix, c, true);
}

// A speech balloon: a disc with a small tail at the lower left.
void balloon(gfx::DeviceContext& dc, int x, int y) {
    dc.selectBrush(Brush::solid(kWhite));
    const gfx::Point tail[] = {{x + 6, y + 22}, {x + 4, y + 31}, {x + 14, y + 25}};
    dc.polygon(tail);
    dc.ellipse(x + 1, y + 1, x + 31, y + 27);
}

}  // namespace

void drawMessageIcon(gfx::DeviceContext& dc, int x, int y, int icon) {
    dc.selectPen(gfx::Pen{gfx::PenStyle::Solid, 1, kBlack});
    switch (icon) {
        case 16:
            dc.selectBrush(Brush::solid(gfx::rgb(255, 0, 0)));
            dc.ellipse(x + 1, y + 1, x + 31, y + 31);
            dc.selectPen(gfx::Pen{gfx::PenStyle::Solid, 3, kWhite});
            dc.moveTo(x + 10, y + 10);
            dc.lineTo(x + 21, y + 21);
            dc.moveTo(x + 21, y + 10);
            dc.lineTo(x + 10, y + 21);
            return;
        case 32:
            balloon(dc, x, y);
            mark(dc, "?", {x + 1, y + 1, x + 31, y + 27}, kBlue);
            return;
        case 48: {
            const gfx::Point tri[] = {{x + 15, y + 1}, {x + 30, y + 29}, {x + 1, y + 29}};
            dc.selectBrush(Brush::solid(gfx::rgb(255, 255, 0)));
            dc.polygon(tri);
            mark(dc, "!", {x, y + 8, x + 32, y + 30}, kBlack);
            return;
        }
        case 64:
            balloon(dc, x, y);
            mark(dc, "i", {x + 1, y + 1, x + 31, y + 27}, kBlue);
            return;
        default:
            return;
    }
}

}  // namespace qv::present
