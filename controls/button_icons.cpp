#include "controls/button_icons.h"

#include <algorithm>

#include "controls/button_colours.h"
#include "platform/base/convert.h"

namespace qv::controls {
namespace {

// The greys a conversion leaves alone: &H000000 to &HF0F0F0 in steps of &H101010 but
// &H909090, and white.
bool isExactGrey(gfx::Colour c) {
    const int v = gfx::redOf(c);
    if (c != gfx::rgb(v, v, v)) return false;
    return v == 255 || (v % 16 == 0 && v != 0x90);
}

int greyOfPixel(gfx::Colour p) {
    const double r = base::roundHalfEven(0.3 * gfx::redOf(p));
    return std::min(255, int(base::roundHalfEven(r + 0.59 * gfx::greenOf(p) + 0.11 * gfx::blueOf(p))));
}

}  // namespace

void ConvertBitmapToGray(gfx::Canvas& bitmap) {
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const gfx::Colour c = bitmap.pixel(x, y);
            if (c == gfx::kInvalidColour || isExactGrey(c)) continue;
            const double g = 0.59 * gfx::greenOf(c) + 0.33 * gfx::redOf(c) + 0.11 * gfx::blueOf(c);
            const int v = std::min(255, int(base::roundHalfEven(g)));
            bitmap.setPixel(x, y, gfx::rgb(v, v, v));
        }
    }
}

bool paintIconGrey(gfx::DeviceContext& dc, const gfx::Picture* icon, int x, int y, int width, int height) {
    if (icon == nullptr || icon->mask() == nullptr) return false;
    gfx::Canvas colour = icon->image();
    ConvertBitmapToGray(colour);
    const gfx::PicturePtr grey = gfx::Picture::icon(std::move(colour), *icon->mask());
    return dc.drawIcon(x, y, grey.get(), width, height);
}

void DrawIconMasked(gfx::DeviceContext& dc, int x, int y, int width, int height, const gfx::Picture* picture,
                    gfx::Colour maskColour, bool useMaskColour, const MaskedIconEffects& effects) {
    if (picture == nullptr || width <= 0 || height <= 0) return;
    const gfx::Colour mask = TranslateColor(maskColour) & 0xFFFFFF;
    gfx::Canvas rendering(width, height, mask);
    gfx::DeviceContext rdc(rendering);
    rdc.drawIcon(0, 0, picture, width, height);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const gfx::Colour p = rendering.pixel(i, j);
            const gfx::Colour d = dc.getPixel(x + i, y + j);
            if (d == gfx::kInvalidColour) continue;
            if (useMaskColour && p == mask) continue;
            gfx::Colour out = p;
            if (effects.shadow) {
                const int sum = gfx::redOf(p) + gfx::greenOf(p) + gfx::blueOf(p);
                if (effects.shadowByDarkness && sum >= 385) continue;
                out = *effects.shadow;
            } else if (effects.grey) {
                const int g = greyOfPixel(p);
                out = gfx::rgb(g, g, g);
            } else if (effects.blend) {
                auto third = [](int a, int b) { return (2 * a + b) / 3; };
                out = gfx::rgb(third(gfx::redOf(p), gfx::redOf(d)), third(gfx::greenOf(p), gfx::greenOf(d)),
                               third(gfx::blueOf(p), gfx::blueOf(d)));
            }
            dc.setPixelV(x + i, y + j, out);
        }
    }
}

}  // namespace qv::controls
