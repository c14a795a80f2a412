#pragma once
// PNG files: any canvas can be written as one; PNG assets are read with their alpha channel.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/rgba_image.h"

namespace qv::gfx {

// An 8-bit RGB PNG of the canvas; empty for an empty canvas or when encoding fails.
std::vector<uint8_t> encodePng(const Canvas& canvas);
// Written whole through a temporary file; false when the canvas is empty or a step fails.
bool writePng(const Canvas& canvas, std::string_view path);

bool looksLikePng(std::span<const uint8_t> bytes);
// Any PNG the library reads, as 8-bit RGBA; nothing for malformed data or an image over the
// size limits.
std::optional<RgbaImage> decodePng(std::span<const uint8_t> bytes);

}  // namespace qv::gfx
