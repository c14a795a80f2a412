// Pages loaded, laid out and painted by the HTML engine: any bytes load, lay out and paint
// without drawing outside the clip, and every link found by point resolves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/html/html_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    auto page = html::Document::fromText(std::string_view(reinterpret_cast<const char*>(data), size), "/nonexistent");
    const int height = page->layout(160, 120);
    if (height < 0) std::abort();
    constexpr gfx::Colour kBack = gfx::rgb(1, 2, 3);
    gfx::Canvas canvas(200, 160, kBack);
    gfx::DeviceContext dc(canvas);
    const gfx::Rect clip{20, 20, 180, 140};
    page->paint(dc, {20, 20 - height / 2}, clip);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!clip.contains(x, y) && canvas.pixel(x, y) != kBack) std::abort();
    for (int y = 0; y < 120; y += 8)
        for (int x = 0; x < 160; x += 16)
            if (auto href = page->linkAt(x, y + height / 2)) page->resolve(*href);
    page->anchorTop("a");
    return 0;
}
