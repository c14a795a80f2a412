// Style 9: a glossy face between shaded side columns, the same shapes in every state; only the
// face colour F changes with the state.
#include "controls/button_colours.h"
#include "controls/button_looks.h"
#include "platform/base/convert.h"

namespace qv::controls {
namespace {

gfx::Colour S(gfx::Colour c, int k) { return ShiftColor(c, k); }

gfx::Colour faceOf(const LookInputs& in) {
    const gfx::Colour face = gfx::sysColour(gfx::kColourButtonFace);
    const gfx::Colour B = in.useCustomColors ? in.backColor : face;
    const gfx::Colour HB9 = in.useCustomColors ? in.highlightColor : face;
    switch (in.state) {
        case kStateNormal: return S(B, -15);
        case kStateHot: return S(HB9, 1);
        case kStatePressed: return S(HB9, 24);
        default: return S(B, 15);
    }
}

}  // namespace

void DrawStyle9(LookSurface& s, const LookInputs& in) {
    const int W = s.W, H = s.H;
    // Half the height less k, halves to even: m(7) is not m(0) - 7 for an odd height.
    auto m = [H](int k) { return int(base::roundHalfEven(H / 2.0 - k)); };
    const gfx::Colour F = faceOf(in);
    // One column of rows y..y+n.
    auto band = [&s](int x, int y, int n, gfx::Colour top, gfx::Colour bottom) {
        s.rowsGradient(y, y + n, x, x, top, bottom);
    };

    s.background(F);
    s.rowsGradient(2, H - 4, 5, W - 6, S(F, 32), S(F, -32));
    // Left side.
    s.rowsGradient(0, H - 4, 0, 0, S(F, 128), S(F, -128));
    band(2, 4, m(7), F, S(F, -37));
    band(3, 3, m(7), F, S(F, -53));
    band(4, 2, m(7), F, S(F, -37));
    band(5, 2, m(4), S(F, 37), S(F, 5));
    band(2, m(2), m(5), S(F, -37), S(F, -32));
    band(3, m(3), m(3), S(F, -53), S(F, -32));
    band(4, m(4), m(1), S(F, -37), S(F, -32));
    band(5, m(4), m(3), S(F, 5), S(F, -5));
    s.columnsGradient(H - 5, 5, 12, S(F, -53), S(F, -32));
    s.columnsGradient(H - 6, 4, 7, S(F, -56), S(F, -32));
    s.columnsGradient(H - 7, 3, 5, S(F, -37), S(F, -32));
    // Right side.
    s.rowsGradient(0, H - 4, W - 2, W - 2, S(F, 128), S(F, -128));
    band(W - 1, 0, m(0), S(F, 128), S(F, -48));
    band(W - 1, m(0), m(4), S(F, -64), S(F, -8));
    band(W - 4, 4, m(5), F, S(F, -37));
    band(W - 5, 3, m(4), F, S(F, -48));
    band(W - 6, 2, m(3), F, S(F, -37));
    band(W - 7, 2, m(4), S(F, 37), S(F, 5));
    band(W - 4, m(0), m(5), S(F, -37), S(F, -21));
    band(W - 5, m(0), m(5), S(F, -48), S(F, -37));
    band(W - 6, m(0), m(4), S(F, -37), S(F, -53));
    band(W - 7, m(0), m(4), S(F, -5), S(F, -37));
    s.columnsGradient(H - 4, W - 15, W - 7, S(F, -32), S(F, -53));
    // Top gloss.
    s.row(0, 3, W - 4, S(F, 48));
    s.row(1, 1, W - 2, S(F, 48));
    s.row(1, 5, W - 6, F);
    s.columnsGradient(2, W - 11, W - 4, S(F, 32), F);
    s.columnsGradient(3, W - 10, W - 5, S(F, 32), F);
    s.columnsGradient(4, W - 9, W - 6, S(F, 32), F);
    s.pixel(6, 3, S(F, 128));
    // Bottom edge.
    s.row(H - 1, 3, W - 4, S(F, -16));
    s.row(H - 2, 2, W - 4, S(F, -128));
    s.row(H - 3, 7, W - 8, F);
    s.pixels({{1, H - 3}, {W - 3, H - 3}}, S(F, -112));
    s.pixels({{W - 4, H - 1}, {W - 3, H - 2}, {W - 2, H - 3}}, S(F, -21));
}

}  // namespace qv::controls
