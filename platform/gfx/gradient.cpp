// Gradients of lines, one colour a line. The step per line is held in single precision and
// each channel of each line is rounded half to even, so the colours are the same on every run.
#include "platform/base/convert.h"
#include "platform/gfx/device_context.h"

namespace qv::gfx {
namespace {

struct Steps {
    float r, g, b;
};

Steps stepsOf(Colour start, Colour end, int32_t n) {
    return {float(redOf(end) - redOf(start)) / float(n), float(greenOf(end) - greenOf(start)) / float(n),
            float(blueOf(end) - blueOf(start)) / float(n)};
}

Colour colourAt(Colour start, const Steps& s, int32_t i) {
    auto ch = [&](int base, float step) {
        return int(base::roundHalfEven(double(base) + double(i) * double(step)));
    };
    return rgb(ch(redOf(start), s.r), ch(greenOf(start), s.g), ch(blueOf(start), s.b));
}

}  // namespace

void DeviceContext::gradientRows(Colour start, Colour end, int32_t x1, int32_t y, int32_t x2, int32_t height) {
    if (height <= 0) return;
    start = translateColour(start), end = translateColour(end);
    const Steps s = stepsOf(start, end, height);
    const Pen saved = selectPen({PenStyle::Solid, 1, 0});
    for (int32_t i = 0; i <= height; ++i) {
        pen_.colour = colourAt(start, s, i);
        drawLineLogical({x1, y + i}, {x2, y + i}, pen_.colour);
    }
    selectPen(saved);
}

void DeviceContext::gradientColumns(Colour start, Colour end, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t n = x2 - x1;
    if (n <= 0) return;
    start = translateColour(start), end = translateColour(end);
    const Steps s = stepsOf(start, end, n);
    const Pen saved = selectPen({PenStyle::Solid, 1, 0});
    for (int32_t i = 0; i <= n; ++i) {
        pen_.colour = colourAt(start, s, i);
        drawLineLogical({x1 + i, y1}, {x1 + i, y2}, pen_.colour);
    }
    selectPen(saved);
}

}  // namespace qv::gfx
