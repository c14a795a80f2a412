#include "platform/gfx/font.h"

#include "platform/base/cp1252.h"
#include "platform/gfx/font_face.h"

namespace qv::gfx {

FontMetrics fontMetrics(const Font& font) { return FontFace::forFont(font).metrics(); }

Size textExtent(const Font& font, std::string_view text) {
    FontFace& face = FontFace::forFont(font);
    int32_t w = 0;
    for (unsigned char c : text)
        if (c >= 0x20) w += face.glyph(base::cp1252CodePoint(c)).advance;
    return {w, face.metrics().height};
}

}  // namespace qv::gfx
