#include "controls/slider_parts.h"

#include "platform/gfx/colour.h"

namespace qv::controls {

namespace {
constexpr std::array<forms::OleColor, SliderParts::kSegments> kDesignColours = {
    0xC000,   0xC000,   0xC000,   0xC000,   0xC000,   0xFF00,   0xFF00,   0xFF00,   0xFF00,
    0xFF00,   0xC0FF00, 0xC0FF00, 0xC0FF00, 0xC0FFFF, 0xC0FFFF, 0x80FFFF, 0x80FFFF, 0x80FFFF,
    0x80FFFF, 0xC0C0FF, 0xC0C0FF, 0x8080FF, 0xFF,     0xFF,     0xFF};
}  // namespace

SliderParts::SliderParts() {
    lblCaption = {0, 0, 2250, 240, "Volume Control", true, 0xFFFFFF, 0, {}};
    Image1 = {1980, 0, 240, 240, true};
    Image2 = {1980, 0, 240, 240, false};
    for (int i = 0; i < kSegments; ++i) {
        SliderShape& s = Shape1[i];
        if (i < 24) {
            s.Left = 90 * i - 30;
            s.Top = 360 - 15 * i;
            s.Height = 60 + 15 * i;
        } else {
            s.Left = 2130;
            s.Top = -15;
            s.Height = 435;
        }
        s.Width = 105;
        s.FillColor = kDesignColours[i];
    }
    imgSlider = {0, 405, 135, 270, true};
    Line1 = {-15, 405, 2235, 405, 0};
    const int ticks[5] = {60, 585, 1110, 1650, 2175};
    SliderLine* tickLines[5] = {&Line5, &Line3, &Line2, &Line4, &Line6};
    for (int i = 0; i < 5; ++i) *tickLines[i] = {ticks[i], 450, ticks[i], 570, 0};
    lblValue = {15, 15, 450, 195, "0", false, 0xC0C0C0, 0, {}};
}

bool schemeColours(int scheme, std::array<forms::OleColor, SliderParts::kSegments>& out) {
    if (scheme == 0) {
        out = kDesignColours;
        return true;
    }
    if (scheme < 1 || scheme > 7) return false;
    for (int i = 0; i < SliderParts::kSegments; ++i) {
        int k = 5 * (i + 1);
        int hi = 255 - k;
        switch (scheme) {
            case 1: out[i] = gfx::rgb(hi, 50, 50); break;
            case 2: out[i] = gfx::rgb(50, 50, hi); break;
            case 3: out[i] = gfx::rgb(50, hi, 50); break;
            case 4: out[i] = gfx::rgb(hi, hi, 50); break;
            case 5: out[i] = gfx::rgb(hi, 50, hi); break;
            case 6: out[i] = gfx::rgb(50, hi, hi); break;
            default: out[i] = gfx::rgb(220 - k, 220 - k, 220 - k); break;
        }
    }
    return true;
}

}  // namespace qv::controls
