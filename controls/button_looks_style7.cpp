// Style 7: a soft bevelled button on a face a little lighter than BackColor (or the system face
// colour), with a highlight accent when hot or focused.
#include "controls/button_colours.h"
#include "controls/button_looks.h"

namespace qv::controls {
namespace {

gfx::Colour S(gfx::Colour c, int k) { return ShiftColor(c, k); }

// The outline in `line` and the eight pixels outside its corners in `corners`.
void outline(LookSurface& s, gfx::Colour line, gfx::Colour corners) {
    const int W = s.W, H = s.H;
    s.row(0, 2, W - 3, line);
    s.column(0, 2, H - 3, line);
    s.row(H - 1, 2, W - 3, line);
    s.column(W - 1, 0, H - 1, line);
    s.pixels({{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, line);
    s.pixels({{1, 0}, {W - 2, 0}, {0, 1}, {0, H - 2}, {1, H - 1}, {W - 2, H - 1}, {W - 1, 1}, {W - 1, H - 2}}, corners);
}

void drawPressed(LookSurface& s, gfx::Colour B) {
    const int W = s.W, H = s.H;
    const gfx::Colour F = S(B, -9);
    s.rowsGradient(1, H - 1, 1, W - 3, S(F, -15), F);
    s.rowsGradient(2, H - 3, W - 2, W - 2, S(F, -21), S(F, 21));
    s.rowsGradient(2, H - 3, 1, 1, S(F, -32), S(F, -5));
    outline(s, S(F, -96), S(B, -21));
    s.row(H - 2, 2, W - 3, S(B, 8));
    s.row(1, 2, W - 3, S(B, -21));
}

}  // namespace

void DrawStyle7(LookSurface& s, const LookInputs& in) {
    const int W = s.W, H = s.H;
    const gfx::Colour B = in.useCustomColors ? in.backColor : gfx::sysColour(gfx::kColourButtonFace);
    const gfx::Colour HL = in.useCustomColors ? in.highlightColor : gfx::sysColour(gfx::kColourHighlight);
    if (in.state == kStatePressed) return drawPressed(s, B);
    if (in.state < kStateNormal || in.state > kStateDefaulted) return;

    gfx::Colour F = S(B, 8);
    int g = 15;
    if (in.state == kStateHot) F = S(B, 24), g = 16;
    if (in.state == kStateDisabled) F = S(B, 18);
    s.background(F);
    s.rowsGradient(1, H - 2, 1, W - 3, S(F, g), S(F, -g));
    s.rowsGradient(2, H - 3, 1, 1, S(F, 21), S(F, -21));
    s.rowsGradient(2, H - 3, W - 2, W - 2, S(F, -5), S(F, -32));
    outline(s, S(F, -96), in.state == kStateDisabled ? S(B, 5) : S(B, -21));
    if (in.state == kStateNormal || in.state == kStateDisabled) {
        s.row(1, 2, W - 3, S(B, 21));
        s.row(H - 2, 2, W - 3, S(B, -37));
    }
    const bool accent = in.state == kStateHot || in.state == kStateDefaulted ||
                        (in.state == kStateNormal && in.focused);
    if (!accent) return;
    s.row(1, 2, W - 3, S(HL, 21));
    s.row(2, 1, W - 2, S(HL, 21));
    s.row(H - 3, 1, W - 2, S(HL, -5));
    s.row(H - 2, 2, W - 3, S(HL, -21));
}

}  // namespace qv::controls
