#include "platform/gfx/dib_reader.h"

#include <cstdlib>
#include <vector>

#include "platform/gfx/png_io.h"

namespace qv::gfx {
namespace {

uint32_t u16(std::span<const uint8_t> d, size_t at) { return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8; }
uint32_t u32(std::span<const uint8_t> d, size_t at) { return u16(d, at) | u16(d, at + 2) << 16; }

// The value of the bits of v under mask, scaled to 0..255.
uint32_t maskedChannel(uint32_t v, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    const uint32_t m = mask >> shift;
    const uint64_t value = (v & mask) >> shift;
    return uint32_t(value * 255 / m);
}

struct Dib {
    RgbaImage colour;
    std::vector<bool> andMask;  // icons: true where transparent
    bool anyAlpha = false;
};

// A device-independent bitmap: its header at dib[0], its pixels at dib[pixelOffset] (0: right
// after the header and palette). Icons carry twice the height, the AND mask below the colours.
std::optional<Dib> decodeDib(std::span<const uint8_t> dib, bool icon, size_t pixelOffset) {
    if (dib.size() < 12) return std::nullopt;
    const uint32_t headerSize = u32(dib, 0);
    int64_t width, height;
    uint32_t bpp, compression = 0, coloursUsed = 0;
    size_t paletteEntry = 4;
    uint32_t masks[3] = {0, 0, 0};
    if (headerSize == 12) {
        width = u16(dib, 4);
        height = int16_t(u16(dib, 6));
        bpp = u16(dib, 10);
        paletteEntry = 3;
    } else if (headerSize >= 40 && headerSize <= dib.size()) {
        width = int32_t(u32(dib, 4));
        height = int32_t(u32(dib, 8));
        bpp = u16(dib, 14);
        compression = u32(dib, 16);
        coloursUsed = u32(dib, 32);
        if (compression == 3) {  // bit fields: in the header from 52 bytes up, else after it
            const size_t at = headerSize >= 52 ? 40 : headerSize;
            if (dib.size() < at + 12) return std::nullopt;
            for (int i = 0; i < 3; ++i) masks[i] = u32(dib, at + 4 * size_t(i));
        }
    } else {
        return std::nullopt;
    }
    if (compression != 0 && !(compression == 3 && (bpp == 16 || bpp == 32))) return std::nullopt;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
    const bool topDown = height < 0;
    height = std::llabs(height);
    if (icon) height /= 2;
    if (!imageSizeAllowed(width, height)) return std::nullopt;

    size_t at = headerSize + (compression == 3 && headerSize < 52 ? 12 : 0);
    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        const uint32_t n = coloursUsed == 0 || coloursUsed > (1u << bpp) ? 1u << bpp : coloursUsed;
        if (dib.size() < at + n * paletteEntry) return std::nullopt;
        for (uint32_t i = 0; i < n; ++i, at += paletteEntry)
            palette.push_back(rgb(dib[at + 2], dib[at + 1], dib[at]) | 0xFF000000);
    }
    if (pixelOffset != 0) at = pixelOffset;
    if (compression == 0 && bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;

    const size_t w = size_t(width), h = size_t(height);
    const size_t stride = (w * bpp + 31) / 32 * 4;
    const size_t maskStride = (w + 31) / 32 * 4;
    if (at > dib.size() || (dib.size() - at) / stride < h) return std::nullopt;
    Dib out;
    out.colour = {int32_t(w), int32_t(h), std::vector<uint32_t>(w * h)};
    for (size_t row = 0; row < h; ++row) {
        const size_t y = topDown ? row : h - 1 - row;
        const uint8_t* p = dib.data() + at + row * stride;
        for (size_t x = 0; x < w; ++x) {
            uint32_t c = 0;
            switch (bpp) {
            case 1: c = p[x / 8] >> (7 - x % 8) & 1; break;
            case 4: c = p[x / 2] >> (x % 2 ? 0 : 4) & 0xF; break;
            case 8: c = p[x]; break;
            case 16: {
                const uint32_t v = uint32_t(p[2 * x]) | uint32_t(p[2 * x + 1]) << 8;
                c = rgb(int(maskedChannel(v, masks[0])), int(maskedChannel(v, masks[1])),
                        int(maskedChannel(v, masks[2]))) | 0xFF000000;
                break;
            }
            case 24: c = rgb(p[3 * x + 2], p[3 * x + 1], p[3 * x]) | 0xFF000000; break;
            case 32: {
                const uint32_t v = uint32_t(p[4 * x]) | uint32_t(p[4 * x + 1]) << 8 |
                                   uint32_t(p[4 * x + 2]) << 16 | uint32_t(p[4 * x + 3]) << 24;
                if (compression == 3) {
                    c = rgb(int(maskedChannel(v, masks[0])), int(maskedChannel(v, masks[1])),
                            int(maskedChannel(v, masks[2]))) | 0xFF000000;
                } else {
                    c = rgb(p[4 * x + 2], p[4 * x + 1], p[4 * x]) | uint32_t(p[4 * x + 3]) << 24;
                    if (p[4 * x + 3]) out.anyAlpha = true;
                }
                break;
            }
            }
            if (bpp <= 8) c = c < palette.size() ? palette[c] : 0xFF000000;
            out.colour.pixels[y * w + x] = c;
        }
    }
    if (icon) {
        const size_t maskAt = at + h * stride;
        out.andMask.assign(w * h, false);
        // Some files leave the AND mask out; they are opaque.
        if (maskAt <= dib.size() && (dib.size() - maskAt) / maskStride >= h) {
            for (size_t row = 0; row < h; ++row) {
                const size_t y = topDown ? row : h - 1 - row;
                const uint8_t* p = dib.data() + maskAt + row * maskStride;
                for (size_t x = 0; x < w; ++x) out.andMask[y * w + x] = p[x / 8] >> (7 - x % 8) & 1;
            }
        }
    }
    return out;
}

}  // namespace

std::optional<RgbaImage> decodeBmp(std::span<const uint8_t> bytes) {
    if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const uint32_t offBits = u32(bytes, 10);
    if (offBits < 14 + 12 || offBits > bytes.size()) return std::nullopt;
    auto dib = decodeDib(bytes.subspan(14), false, offBits - 14);
    if (!dib) return std::nullopt;
    for (uint32_t& p : dib->colour.pixels) p |= 0xFF000000;
    return std::move(dib->colour);
}

std::optional<IconImage> decodeIco(std::span<const uint8_t> bytes, int32_t preferredSize) {
    if (bytes.size() < 6 || u16(bytes, 0) != 0 || (u16(bytes, 2) != 1 && u16(bytes, 2) != 2))
        return std::nullopt;
    const uint32_t count = u16(bytes, 4);
    if (count == 0 || bytes.size() < 6 + 16 * size_t(count)) return std::nullopt;
    // The entry nearest to the size asked for; a tie goes to the larger.
    size_t best = 0;
    int64_t bestScore = INT64_MAX, bestSide = -1;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * size_t(i);
        const int64_t side = bytes[e] == 0 ? 256 : bytes[e];
        const int64_t score = std::llabs(side - preferredSize);
        if (score < bestScore || (score == bestScore && side > bestSide)) {
            best = e, bestScore = score, bestSide = side;
        }
    }
    const uint32_t size = u32(bytes, best + 8), offset = u32(bytes, best + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) return std::nullopt;
    const auto data = bytes.subspan(offset, size);
    if (looksLikePng(data)) {
        auto png = decodePng(data);
        if (!png) return std::nullopt;
        return IconImage{colourOf(*png), maskFromAlpha(*png)};
    }
    auto dib = decodeDib(data, true, 0);
    if (!dib) return std::nullopt;
    const RgbaImage& img = dib->colour;
    IconImage out{colourOf(img), Canvas(img.width, img.height, 0)};
    for (int32_t y = 0; y < img.height; ++y)
        for (int32_t x = 0; x < img.width; ++x) {
            const size_t i = size_t(y) * size_t(img.width) + size_t(x);
            const bool clear = dib->anyAlpha ? (img.pixels[i] >> 24) < 128 : bool(dib->andMask[i]);
            if (clear) out.mask.setPixel(x, y, 0xFFFFFF);
        }
    return out;
}

}  // namespace qv::gfx
