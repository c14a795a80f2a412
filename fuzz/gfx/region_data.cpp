// Region data from outside: any bytes either give no region or a region that survives a round
// trip and whose pixels all lie inside its bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/gfx/region_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto region = qv::gfx::regionFromData(std::span<const uint8_t>(data, size));
    if (!region) return 0;
    const auto bytes = qv::gfx::regionToData(*region);
    const auto back = qv::gfx::regionFromData(bytes);
    if (!back || !(*back == *region)) std::abort();
    const qv::gfx::Rect b = region->bounds();
    for (const qv::gfx::Rect& r : region->rects()) {
        if (r.isEmpty() || r.left < b.left || r.right > b.right || r.top < b.top || r.bottom > b.bottom)
            std::abort();
        if (!region->contains(r.left, r.top) || !region->contains(r.right - 1, r.bottom - 1))
            std::abort();
    }
    if (!region->isEmpty() && region->contains(b.right, b.top)) std::abort();
    return 0;
}
