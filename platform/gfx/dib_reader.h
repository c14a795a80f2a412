#pragma once
// Readers of our own BMP and ICO assets. Every offset and count is checked against the data
// before it is used; malformed or unsupported data (compressed BMP, a size over the limits)
// gives nothing.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/gfx/canvas.h"
#include "platform/gfx/rgba_image.h"

namespace qv::gfx {

// A BMP file: 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed or with bit fields, bottom-up or
// top-down. Opaque throughout.
std::optional<RgbaImage> decodeBmp(std::span<const uint8_t> bytes);

struct IconImage {
    Canvas colour;
    Canvas mask;  // white where transparent
};

// The image of an ICO file whose size is nearest to preferredSize (the larger one on a tie).
// An image stored as PNG takes its mask from its alpha channel; a 32-bit image with alpha
// likewise; others from their AND mask.
std::optional<IconImage> decodeIco(std::span<const uint8_t> bytes, int32_t preferredSize = 32);

}  // namespace qv::gfx
