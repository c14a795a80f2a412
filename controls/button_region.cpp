#include "controls/button_region.h"

#include "controls/button.h"

namespace qv::controls {

gfx::Region MakeChamferRegion(int W, int H) {
    const gfx::Point p[] = {{0, 1}, {1, 0}, {W - 1, 0}, {W, 1}, {W, H - 2}, {W - 2, H}, {2, H}, {0, H - 2}};
    return gfx::Region::polygon(p);
}

gfx::Region MakePolygonRegion(int W, int H) {
    const gfx::Point p[] = {{0, 2}, {2, 0}, {W - 3, 0}, {W, 3}, {W, H - 3}, {W - 3, H}, {4, H}, {0, H - 4}};
    return gfx::Region::polygon(p);
}

gfx::Region MakeRoundRegion(int W, int H) { return gfx::Region::roundRect(0, 0, W + 1, H + 1, 18, 18); }

gfx::Region buttonRegion(int style, int W, int H) {
    switch (style) {
        case 5: case 7: return MakeChamferRegion(W, H);
        case 8: case 9: return MakePolygonRegion(W, H);
        case 10: return MakeRoundRegion(W, H);
        default: return gfx::Region::rect(0, 0, W, H);
    }
}

void isButton::SetButtonRegion() {
    setWindowRegion(buttonRegion(style_, ScaleWidth(), ScaleHeight()));
}

}  // namespace qv::controls
