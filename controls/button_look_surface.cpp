#include "controls/button_draw.h"
#include "controls/button_looks.h"

namespace qv::controls {

void LookSurface::background(gfx::Colour c) {
    background_ = c;
    FillArea(dc_, 0, 0, W, H, c);
}

void LookSurface::row(int y, int x1, int x2, gfx::Colour c) {
    if (x2 >= x1) DrawLineDC(dc_, x1, y, x2 + 1, y, c);
}

void LookSurface::column(int x, int y1, int y2, gfx::Colour c) {
    if (y2 >= y1) DrawLineDC(dc_, x, y1, x, y2 + 1, c);
}

void LookSurface::rowsGradient(int y1, int y2, int x1, int x2, gfx::Colour top, gfx::Colour bottom) {
    if (x2 >= x1) GradientColorB(dc_, top, bottom, x1, y1, x2 + 1, y2 - y1);
}

void LookSurface::columnsGradient(int y, int x1, int x2, gfx::Colour left, gfx::Colour right) {
    GradientColorC(dc_, left, right, x1, y, x2, y + 1);
}

void LookSurface::frame(int x, int y, int w, int h, gfx::Colour c) { DrawFrame(dc_, x, y, w, h, c); }

void LookSurface::pixel(int x, int y, gfx::Colour c) { dc_.setPixelV(x, y, c); }

void LookSurface::pixels(std::initializer_list<gfx::Point> at, gfx::Colour c) {
    for (const gfx::Point& p : at) dc_.setPixelV(p.x, p.y, c);
}

bool DrawLook(int style, LookSurface& s, const LookInputs& in) {
    switch (style) {
        case 0: case 1: case 2: case 3: case 4: DrawClassicStyle(style, s, in); return true;
        case 5:
            if (in.useCustomColors) DrawStyle5Custom(s, in);
            else DrawStyle5(s, in);
            return true;
        case 7: DrawStyle7(s, in); return true;
        case 8: DrawStyle8(s, in); return true;
        case 9: DrawStyle9(s, in); return true;
        case 10: DrawStyle10(s, in); return true;
        default: return false;
    }
}

int textInsetOf(int style) {
    switch (style) {
        case 7: case 8: return 4;
        case 9: return 6;
        case 10: return 7;
        default: return 3;
    }
}

}  // namespace qv::controls
