// Style 8: a flat face with a light bevel along the top and left, an outline, and a shadow
// one pixel out along the bottom and right that turns the bottom right corner.
#include "controls/button_colours.h"
#include "controls/button_looks.h"

namespace qv::controls {
namespace {

gfx::Colour S(gfx::Colour c, int k) { return ShiftColor(c, k); }

}  // namespace

void DrawStyle8(LookSurface& s, const LookInputs& in) {
    const int W = s.W, H = s.H;
    const gfx::Colour face = gfx::sysColour(gfx::kColourButtonFace);
    const gfx::Colour B = in.useCustomColors ? in.backColor : face;
    const gfx::Colour HB8 = in.useCustomColors ? in.highlightColor : S(face, 15);
    const bool pressed = in.state == kStatePressed;
    const gfx::Colour F = in.state == kStateNormal ? B : HB8;
    const gfx::Colour O = (!pressed && in.focused) ? S(B, -96) : S(B, -48);

    s.background(F);
    if (pressed) s.rowsGradient(2, H - 4, 2, W - 4, S(F, -15), S(F, 15));
    else s.rowsGradient(2, H - 4, 2, W - 4, S(F, 15), S(F, -15));
    s.row(1, 2, W - 4, pressed ? F : S(F, 96));
    s.column(1, 2, H - 4, pressed ? F : S(F, 96));
    s.row(H - 3, 2, W - 3, pressed ? S(F, 96) : F);
    s.row(0, 2, W - 4, O);
    s.column(0, 2, H - 4, O);
    s.row(H - 2, 2, W - 4, O);
    s.column(W - 2, 2, H - 4, O);
    s.pixels({{1, 1}, {1, H - 3}, {W - 3, 1}, {W - 3, H - 3}}, O);
    const gfx::Colour shadow = S(O, 21);
    s.row(H - 1, 3, W - 5, shadow);
    s.column(W - 1, 3, H - 5, shadow);
    s.pixels({{W - 4, H - 1}, {W - 3, H - 2}, {W - 2, H - 3}, {W - 1, H - 4}}, shadow);
    s.pixels({{W - 3, H - 1}, {W - 2, H - 2}, {W - 1, H - 3}}, S(shadow, 15));
}

}  // namespace qv::controls
