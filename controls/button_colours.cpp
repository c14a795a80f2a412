#include "controls/button_colours.h"

#include <algorithm>

#include "platform/base/convert.h"

namespace qv::controls {
namespace {

int clampChannel(int v) { return std::clamp(v, 0, 255); }

template <class F>
gfx::Colour perChannel(gfx::Colour c, F f) {
    return gfx::rgb(f(gfx::redOf(c)), f(gfx::greenOf(c)), f(gfx::blueOf(c)));
}

}  // namespace

gfx::Colour BlendColors(gfx::Colour c1, gfx::Colour c2) {
    auto half = [](int a, int b) { return int(base::roundHalfEven((a + b) / 2.0)); };
    return gfx::rgb(half(gfx::redOf(c1), gfx::redOf(c2)), half(gfx::greenOf(c1), gfx::greenOf(c2)),
                    half(gfx::blueOf(c1), gfx::blueOf(c2)));
}

gfx::Colour TranslateColor(gfx::Colour colour) { return gfx::translateColour(colour); }

gfx::Colour LightenColor(gfx::Colour colour, int amount) {
    return perChannel(colour, [amount](int c) { return clampChannel(c * (255 - amount) / 255 + amount); });
}

gfx::Colour ShiftColor(gfx::Colour colour, int amount) {
    return perChannel(colour, [amount](int c) { return clampChannel(c + amount); });
}

gfx::Colour ColorToGray(gfx::Colour colour) {
    const double g = gfx::greenOf(colour) / 3.0 + gfx::blueOf(colour) / 3.0 + gfx::redOf(colour) / 3.0;
    const int v = clampChannel(int(base::roundHalfEven(g)));
    return gfx::rgb(v, v, v);
}

}  // namespace qv::controls
