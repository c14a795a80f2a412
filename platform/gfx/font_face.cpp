#include "platform/gfx/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/base/text.h"

namespace qv::gfx {

struct FontFace::Impl {
    FT_Face face = nullptr;
    std::unordered_map<char32_t, Glyph> glyphs;
};

namespace {

struct Library {
    std::mutex lock;
    FT_Library ft = nullptr;
    FcConfig* fc = nullptr;
    std::map<std::tuple<std::string, bool, bool>, std::pair<std::string, int>> files;
    std::map<std::tuple<std::string, int, bool, bool, long>, std::unique_ptr<FontFace>> faces;
};

// Never destroyed: faces stay valid until the process ends.
Library& library() {
    static Library* lib = [] {
        auto* l = new Library;
        if (FT_Init_FreeType(&l->ft) != 0) l->ft = nullptr;
        l->fc = FcInitLoadConfigAndFonts();
        // fontconfig keeps caches that only its own shutdown frees; give them back at exit.
        if (l->fc) std::atexit([] {
            Library& lib = library();
            std::lock_guard g(lib.lock);
            FcConfigDestroy(lib.fc);
            lib.fc = nullptr;
            FcFini();
        });
        return l;
    }();
    return *lib;
}

const char* fallbackFile(const std::string& family, bool bold, bool italic) {
    const bool mono = family == "DejaVu Sans Mono";
    static const char* files[2][2][2] = {
        {{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Oblique.ttf"},
         {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf"}},
        {{"/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Oblique.ttf"},
         {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-BoldOblique.ttf"}}};
    return files[mono][bold][italic];
}

// The font file fontconfig picks for the family, weight and slant.
std::pair<std::string, int> findFile(Library& lib, const std::string& family, bool bold, bool italic) {
    const auto key = std::make_tuple(family, bold, italic);
    if (auto it = lib.files.find(key); it != lib.files.end()) return it->second;
    std::pair<std::string, int> found{fallbackFile(family, bold, italic), 0};
    if (lib.fc) {
        FcPattern* pat = FcPatternCreate();
        FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
        FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(lib.fc, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult result;
        if (FcPattern* match = FcFontMatch(lib.fc, pat, &result)) {
            FcChar8* file = nullptr;
            FcChar8* got = nullptr;
            int index = 0;
            // Only a face of the family asked for is taken; anything else falls back.
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
                FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch &&
                family == reinterpret_cast<const char*>(got)) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                found = {reinterpret_cast<const char*>(file), index};
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pat);
    }
    lib.files[key] = found;
    return found;
}

int32_t ceil26_6(long v) { return int32_t((v + 63) >> 6); }

}  // namespace

std::string substituteFamily(std::string_view name) {
    const std::string n = base::LCase(base::Trim(name));
    if (n == "courier new" || n == "courier" || n == "dejavu sans mono" || n == "lucida console")
        return "DejaVu Sans Mono";
    return "DejaVu Sans";
}

int32_t pointsToPixels(double points) { return int32_t(std::lround(points * 96.0 / 72.0)); }

FontFace::FontFace(Impl* impl) : impl_(impl) {}

FontFace& FontFace::forFont(const Font& font) {
    Library& lib = library();
    std::lock_guard g(lib.lock);
    const std::string family = substituteFamily(font.name);
    const auto [file, index] = findFile(lib, family, font.bold, font.italic);
    const long size = std::lround(std::clamp(std::abs(font.points), 1.0, 1000.0) * 64.0);
    const auto key = std::make_tuple(file, index, font.bold, font.italic, size);
    auto& slot = lib.faces[key];
    if (slot) return *slot;

    auto* impl = new Impl;
    slot = std::make_unique<FontFace>(impl);
    FontFace& f = *slot;
    const int32_t px = int32_t(std::lround(double(size) / 64.0 * 96.0 / 72.0));
    f.metrics_ = {px, px / 4, px + px / 4, px / 2};
    if (lib.ft && FT_New_Face(lib.ft, file.c_str(), index, &impl->face) == 0 &&
        FT_Set_Char_Size(impl->face, 0, size, 96, 96) == 0) {
        const FT_Size_Metrics& m = impl->face->size->metrics;
        f.metrics_.ascent = ceil26_6(m.ascender);
        f.metrics_.descent = ceil26_6(-m.descender);
        f.metrics_.height = f.metrics_.ascent + f.metrics_.descent;
        f.underlineOffset_ = std::max<int32_t>(
            1, int32_t(std::lround(-double(FT_MulFix(impl->face->underline_position, m.y_scale)) / 64.0)));
        f.lineThickness_ = std::max<int32_t>(
            1, int32_t(std::lround(double(FT_MulFix(impl->face->underline_thickness, m.y_scale)) / 64.0)));
    } else if (impl->face) {
        FT_Done_Face(impl->face);
        impl->face = nullptr;
    }
    // Without the lock held glyph() would take it again; the average width is read directly.
    f.metrics_.averageCharWidth = impl->face ? [&] {
        if (FT_Load_Char(impl->face, 'x', FT_LOAD_DEFAULT) != 0) return f.metrics_.averageCharWidth;
        return int32_t((impl->face->glyph->advance.x + 32) >> 6);
    }() : f.metrics_.averageCharWidth;
    return f;
}

const Glyph& FontFace::glyph(char32_t codePoint) {
    std::lock_guard g(library().lock);
    auto [it, fresh] = impl_->glyphs.try_emplace(codePoint);
    Glyph& out = it->second;
    if (!fresh || !impl_->face) return out;
    FT_Face face = impl_->face;
    if (FT_Load_Char(face, codePoint, FT_LOAD_DEFAULT) != 0) return out;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return out;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    out.advance = int32_t((slot->advance.x + 32) >> 6);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = int32_t(bm.width);
    out.rows = int32_t(bm.rows);
    out.coverage.resize(size_t(out.width) * size_t(out.rows));
    for (int32_t y = 0; y < out.rows; ++y) {
        const unsigned char* row = bm.pitch >= 0 ? bm.buffer + ptrdiff_t(y) * bm.pitch
                                                 : bm.buffer + ptrdiff_t(out.rows - 1 - y) * -bm.pitch;
        for (int32_t x = 0; x < out.width; ++x) out.coverage[size_t(y) * size_t(out.width) + size_t(x)] = row[x];
    }
    return out;
}

}  // namespace qv::gfx
