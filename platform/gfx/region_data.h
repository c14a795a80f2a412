#pragma once
// The region-data form in which shaped windows carry their outlines: a 32-byte header of eight
// little-endian 32-bit fields (header size 32, type 1 for rectangles, rectangle count, byte size
// of the rectangles, bounding left, top, right, bottom) followed by that many rectangles of four
// 32-bit fields (left, top, right, bottom).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/gfx/region.h"

namespace qv::gfx {

inline constexpr uint32_t kRegionDataHeaderSize = 32;
inline constexpr uint32_t kRegionDataRectangles = 1;

// The region described by data. No region when the header is short, its size field is not 32,
// its type is not 1, or its rectangle count needs more bytes than data holds; nothing beyond
// data is ever read. Bytes after the last rectangle are ignored. The byte size and bounding
// fields are not trusted: the region is the union of the rectangles, and empty or inverted
// rectangles add nothing to it.
std::optional<Region> regionFromData(std::span<const uint8_t> data);

// The region as region data: the header with its bounds, then its rectangles band by band.
std::vector<uint8_t> regionToData(const Region& region);

}  // namespace qv::gfx
