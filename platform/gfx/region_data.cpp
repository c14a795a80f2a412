#include "platform/gfx/region_data.h"

namespace qv::gfx {
namespace {

uint32_t field(std::span<const uint8_t> d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 |
           uint32_t(d[at + 3]) << 24;
}

void put(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

std::optional<Region> regionFromData(std::span<const uint8_t> data) {
    if (data.size() < kRegionDataHeaderSize) return std::nullopt;
    if (field(data, 0) != kRegionDataHeaderSize || field(data, 4) != kRegionDataRectangles)
        return std::nullopt;
    const uint64_t count = field(data, 8);
    if (count > (data.size() - kRegionDataHeaderSize) / 16) return std::nullopt;
    std::vector<Rect> rects;
    rects.reserve(size_t(count));
    for (uint64_t i = 0; i < count; ++i) {
        const size_t at = kRegionDataHeaderSize + size_t(i) * 16;
        rects.push_back({int32_t(field(data, at)), int32_t(field(data, at + 4)),
                         int32_t(field(data, at + 8)), int32_t(field(data, at + 12))});
    }
    return Region::fromRects(rects);
}

std::vector<uint8_t> regionToData(const Region& region) {
    const auto& rects = region.rects();
    const Rect b = region.bounds();
    std::vector<uint8_t> out;
    out.reserve(kRegionDataHeaderSize + 16 * rects.size());
    put(out, kRegionDataHeaderSize);
    put(out, kRegionDataRectangles);
    put(out, uint32_t(rects.size()));
    put(out, uint32_t(16 * rects.size()));
    for (int32_t v : {b.left, b.top, b.right, b.bottom}) put(out, uint32_t(v));
    for (const Rect& r : rects)
        for (int32_t v : {r.left, r.top, r.right, r.bottom}) put(out, uint32_t(v));
    return out;
}

}  // namespace qv::gfx
