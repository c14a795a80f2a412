#include "platform/gfx/rgba_image.h"

namespace qv::gfx {

Canvas colourOf(const RgbaImage& image) {
    Canvas c(image.width, image.height);
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            c.setPixel(x, y, image.pixels[size_t(y) * size_t(image.width) + size_t(x)] & 0xFFFFFF);
    return c;
}

Canvas maskFromAlpha(const RgbaImage& image) {
    Canvas m(image.width, image.height, 0);
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            if ((image.pixels[size_t(y) * size_t(image.width) + size_t(x)] >> 24) < 128)
                m.setPixel(x, y, 0xFFFFFF);
    return m;
}

}  // namespace qv::gfx
