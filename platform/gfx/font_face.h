#pragma once
// A font face at one size, loaded through fontconfig and FreeType, with its glyphs rendered as
// 8-bit coverage and kept for reuse. Faces live until the program ends.
#include <cstdint>
#include <vector>

#include "platform/gfx/font.h"

namespace qv::gfx {

struct Glyph {
    int32_t advance = 0;  // pixels to the next glyph
    int32_t left = 0;     // from the pen position to the coverage's left column
    int32_t top = 0;      // from the baseline up to the coverage's top row
    int32_t width = 0;
    int32_t rows = 0;
    std::vector<uint8_t> coverage;  // rows * width, 0 clear to 255 covered
};

class FontFace {
public:
    // The face for a font; never nullptr (a face that cannot be loaded draws nothing and
    // measures every glyph as 0 wide, with the metrics of its pixel size).
    static FontFace& forFont(const Font& font);

    const FontMetrics& metrics() const { return metrics_; }
    int32_t underlineOffset() const { return underlineOffset_; }  // below the baseline
    int32_t lineThickness() const { return lineThickness_; }
    const Glyph& glyph(char32_t codePoint);

    struct Impl;
    explicit FontFace(Impl* impl);

private:
    Impl* impl_;
    FontMetrics metrics_;
    int32_t underlineOffset_ = 1;
    int32_t lineThickness_ = 1;
};

}  // namespace qv::gfx
