#include "platform/present/image_compare.h"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "platform/base/files.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/rgba_image.h"

namespace qv::present {
namespace {

int channelDelta(gfx::Colour a, gfx::Colour b) {
    return std::max({std::abs(gfx::redOf(a) - gfx::redOf(b)), std::abs(gfx::greenOf(a) - gfx::greenOf(b)),
                     std::abs(gfx::blueOf(a) - gfx::blueOf(b))});
}

}  // namespace

ImageDifference compareImages(const gfx::Canvas& actual, const gfx::Canvas& reference, int channelTolerance) {
    ImageDifference d;
    d.sameSize = actual.width() == reference.width() && actual.height() == reference.height();
    d.pixels = int64_t(reference.width()) * reference.height();
    if (!d.sameSize) {
        d.differing = d.pixels;
        return d;
    }
    const auto& a = actual.pixels();
    const auto& r = reference.pixels();
    for (size_t i = 0; i < r.size(); ++i) {
        const int delta = channelDelta(a[i], r[i]);
        d.maxDelta = std::max(d.maxDelta, delta);
        if (delta > channelTolerance) ++d.differing;
    }
    return d;
}

std::optional<gfx::Canvas> readPng(std::string_view path) {
    const auto bytes = base::readFile(path);
    if (!bytes) return std::nullopt;
    const auto image = gfx::decodePng(std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
    if (!image) return std::nullopt;
    return gfx::colourOf(*image);
}

gfx::Canvas differenceImage(const gfx::Canvas& actual, const gfx::Canvas& reference, int channelTolerance) {
    gfx::Canvas out(reference.width(), reference.height());
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const gfx::Colour r = reference.pixel(x, y), a = actual.pixel(x, y);
            if (a == gfx::kInvalidColour || channelDelta(a, r) > channelTolerance) {
                out.setPixel(x, y, gfx::rgb(255, 0, 0));
            } else {
                // A quarter of the reference over white, so the differences stand out.
                out.setPixel(x, y, gfx::rgb(191 + gfx::redOf(r) / 4, 191 + gfx::greenOf(r) / 4, 191 + gfx::blueOf(r) / 4));
            }
        }
    }
    return out;
}

}  // namespace qv::present
