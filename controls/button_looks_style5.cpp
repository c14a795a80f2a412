// Style 5: a rounded push button with a dark outline whose corners are shaped by single
// pixels, in fixed colours or built from BackColor.
#include "controls/button_colours.h"
#include "controls/button_looks.h"

namespace qv::controls {
namespace {

gfx::Colour S(gfx::Colour c, int k) { return ShiftColor(c, k); }

// The fixed-colour outline: the four sides stopping short of the corners, and the corner
// pixels that round them.
void fixedOutline(LookSurface& s) {
    const int W = s.W, H = s.H;
    const gfx::Colour line = hexColour(0x003C74);
    s.row(0, 1, W - 2, line);
    s.column(0, 1, H - 2, line);
    s.column(W - 1, 1, H - 2, line);
    s.row(H - 1, 1, W - 2, line);
    s.pixels({{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, hexColour(0x486E90));
    s.pixels({{0, 1}, {1, 0}, {1, H - 1}, {0, H - 2}, {W - 1, H - 2}, {W - 2, H - 1}, {W - 2, 0}, {W - 1, 1}},
             hexColour(0x6A8BA2));
    s.pixels({{1, 2}, {2, 1}, {2, H - 2}, {1, H - 3}, {W - 2, H - 3}, {W - 3, H - 2}, {W - 3, 1}, {W - 2, 2}},
             hexColour(0xBFC7CA));
}

// Four rows inside the outline and the two side bands between them, in the colours of an
// accent (hot or default).
struct Accent {
    gfx::Colour row1, row2, rowH3, rowH2, sideTop, sideBottom;
};

void accent(LookSurface& s, const Accent& a, bool bottomFirst) {
    const int W = s.W, H = s.H;
    if (bottomFirst) s.row(H - 2, 2, W - 3, a.rowH2);
    s.row(1, 2, W - 3, a.row1);
    s.row(2, 2, W - 3, a.row2);
    s.row(H - 3, 2, W - 3, a.rowH3);
    if (!bottomFirst) s.row(H - 2, 2, W - 3, a.rowH2);
    s.rowsGradient(2, H - 3, 1, 2, a.sideTop, a.sideBottom);
    s.rowsGradient(2, H - 3, W - 3, W - 2, a.sideTop, a.sideBottom);
}

// The twelve pixels that round the corners of a disabled button.
void disabledCorners(LookSurface& s, gfx::Colour c) {
    const int W = s.W, H = s.H;
    s.pixels({{0, 1}, {1, 1}, {1, 0}, {0, H - 2}, {1, H - 2}, {1, H - 1}, {W - 1, 1}, {W - 2, 1}, {W - 2, 0},
              {W - 1, H - 2}, {W - 2, H - 2}, {W - 2, H - 1}},
             c);
}

}  // namespace

void DrawStyle5(LookSurface& s, const LookInputs& in) {
    const int W = s.W, H = s.H;
    s.background(gfx::sysColour(gfx::kColourButtonFace));
    switch (in.state) {
        case kStateNormal:
        case kStateHot:
            s.rowsGradient(1, 5, 1, W - 3, hexColour(0xFCFCFB), hexColour(0xF0F0F0));
            s.rowsGradient(4, H - 4, 1, W - 3, hexColour(0xFAFAF9), hexColour(0xF0F0EA));
            s.rowsGradient(H - 4, H - 1, 1, W - 3, hexColour(0xEBEBE6), hexColour(0xD6D0C5));
            s.rowsGradient(3, H - 2, W - 3, W - 3, hexColour(0xFBFBFA), hexColour(0xE4E2DA));
            s.rowsGradient(3, H - 2, W - 2, W - 2, hexColour(0xF5F4F2), hexColour(0xDBD7CD));
            fixedOutline(s);
            if (in.state == kStateHot) {
                accent(s, {hexColour(0xFFF0CF), hexColour(0xFDD889), hexColour(0xF8B330), hexColour(0xE59710),
                           hexColour(0xFDD889), hexColour(0xF8B330)},
                       false);
            } else if (in.focused || in.displayAsDefault) {
                accent(s, {hexColour(0xCEE7FF), hexColour(0xBCD4F6), hexColour(0x89ADE4), hexColour(0x6982EE),
                           hexColour(0xBCD4F6), hexColour(0x89ADE4)},
                       true);
            }
            break;
        case kStatePressed:
            s.rowsGradient(1, 5, 2, W - 2, hexColour(0xD1CCC1), hexColour(0xE4E3DC));
            s.rowsGradient(4, H - 4, 2, W - 2, hexColour(0xE4E3DC), hexColour(0xE3E2DB));
            s.rowsGradient(H - 4, H - 1, 3, W - 2, hexColour(0xE3E2DB), hexColour(0xF2F1EE));
            s.rowsGradient(3, H - 2, 1, 1, hexColour(0xDAD8CE), hexColour(0xE3E2DB));
            s.rowsGradient(4, H - 3, 2, 2, hexColour(0xDAD8CE), hexColour(0xE3E2DB));
            fixedOutline(s);
            break;
        case kStateDisabled:
            s.background(hexColour(0xF5F4EA));
            s.frame(0, 0, W - 1, H - 1, hexColour(0xC9C7BA));
            disabledCorners(s, hexColour(0xD8D5C7));
            break;
        default:
            break;
    }
}

void DrawStyle5Custom(LookSurface& s, const LookInputs& in) {
    const int W = s.W, H = s.H;
    const gfx::Colour C = in.backColor;
    switch (in.state) {
        case kStateNormal:
        case kStateHot:
        case kStateDefaulted: {
            s.background(C);
            s.rowsGradient(1, H - 2, 1, W - 3, C, S(C, -15));
            s.rowsGradient(2, H - 3, 1, 1, S(C, 21), S(C, -21));
            s.rowsGradient(2, H - 3, W - 2, W - 2, S(C, -5), S(C, -32));
            s.row(1, 2, W - 3, S(C, 5));
            s.row(2, 1, W - 2, S(C, 2));
            s.row(H - 4, 2, W - 3, S(C, -16));
            s.row(H - 3, 2, W - 3, S(C, -24));
            s.row(H - 2, 2, W - 3, S(C, -37));
            const gfx::Colour line = S(C, -128);
            s.row(0, 2, W - 3, line);
            s.column(0, 2, H - 3, line);
            s.row(H - 1, 2, W - 3, line);
            s.column(W - 1, 0, H - 1, line);
            s.pixels({{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, line);
            s.pixels({{1, 0}, {W - 2, 0}, {0, 1}, {0, H - 2}, {1, H - 1}, {W - 2, H - 1}, {W - 1, 1}, {W - 1, H - 2}},
                     S(C, -21));
            if (in.state == kStateHot || in.state == kStateDefaulted || (in.focused && in.showFocus)) {
                const gfx::Colour A =
                    in.state == kStateHot ? in.highlightColor : gfx::sysColour(gfx::kColourHighlight);
                accent(s, {S(A, 85), S(A, 69), S(A, 16), A, S(A, 69), S(A, 16)}, false);
            }
            break;
        }
        case kStatePressed:
            s.rowsGradient(1, 5, 2, W - 2, S(C, -37), S(C, -21));
            s.rowsGradient(4, H - 4, 2, W - 2, S(C, -21), S(C, -5));
            s.rowsGradient(H - 4, H - 1, 3, W - 2, S(C, -5), S(C, 5));
            s.rowsGradient(3, H - 2, 1, 1, S(C, -32), S(C, -22));
            s.rowsGradient(4, H - 3, 2, 2, S(C, -24), S(C, -15));
            s.pixels({{1, 2}, {2, 1}}, S(C, -48));
            s.pixel(2, H - 2, S(C, -5));
            s.pixel(1, H - 3, S(C, -16));
            s.pixel(W - 2, H - 3, S(C, 18));
            s.pixel(W - 3, H - 2, S(C, 8));
            s.pixel(W - 3, 1, S(C, -48));
            s.pixel(W - 2, 2, S(C, -37));
            s.row(0, 1, W - 2, S(C, -128));
            s.column(0, 1, H - 2, S(C, -128));
            s.column(W - 1, 1, H - 2, S(C, -128));
            s.row(H - 1, 1, W - 2, S(C, -128));
            s.pixels({{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, S(C, -96));
            break;
        case kStateDisabled:
            s.background(C);
            s.frame(0, 0, W - 1, H - 1, S(C, -64));
            disabledCorners(s, S(C, -53));
            break;
        default:
            break;
    }
}

}  // namespace qv::controls
