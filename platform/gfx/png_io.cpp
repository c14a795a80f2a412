#include "platform/gfx/png_io.h"

#include <png.h>

#include <cstring>
#include <string>

#include "platform/base/files.h"

namespace qv::gfx {

std::vector<uint8_t> encodePng(const Canvas& canvas) {
    if (canvas.width() == 0 || canvas.height() == 0) return {};
    std::vector<uint8_t> rgb;
    rgb.reserve(canvas.pixels().size() * 3);
    for (Colour c : canvas.pixels()) rgb.insert(rgb.end(), {uint8_t(redOf(c)), uint8_t(greenOf(c)), uint8_t(blueOf(c))});

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(canvas.width());
    image.height = png_uint_32(canvas.height());
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    out.resize(size);
    return out;
}

bool writePng(const Canvas& canvas, std::string_view path) {
    const std::vector<uint8_t> bytes = encodePng(canvas);
    if (bytes.empty()) return false;
    return base::writeFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool looksLikePng(std::span<const uint8_t> bytes) {
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return bytes.size() >= 8 && std::memcmp(bytes.data(), sig, 8) == 0;
}

std::optional<RgbaImage> decodePng(std::span<const uint8_t> bytes) {
    if (!looksLikePng(bytes)) return std::nullopt;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    if (!imageSizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    RgbaImage out{int32_t(image.width), int32_t(image.height), {}};
    out.pixels.reserve(size_t(out.width) * size_t(out.height));
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
        out.pixels.push_back(uint32_t(rgba[i]) | uint32_t(rgba[i + 1]) << 8 |
                             uint32_t(rgba[i + 2]) << 16 | uint32_t(rgba[i + 3]) << 24);
    return out;
}

}  // namespace qv::gfx
