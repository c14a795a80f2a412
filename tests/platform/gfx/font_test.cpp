// Fonts: the faces that stand in for the names the program asks for, sizes in points at 96 dots
// per inch, the styles, and Windows-1252 text.
#include "platform/gfx/font.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/gfx/device_context.h"

namespace qv::gfx {
namespace {

// The pixels (other than white) that one line of text leaves on a fresh canvas.
std::set<std::pair<int, int>> ink(const Font& font, std::string_view text) {
    Canvas canvas(200, 60);
    DeviceContext dc(canvas);
    dc.selectFont(font);
    dc.setTextColour(0);
    dc.setBkMode(BackgroundMode::Transparent);
    Rect rc{4, 4, 196, 56};
    dc.drawText(text, rc, dt::kSingleLine | dt::kNoPrefix);
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) != rgb(255, 255, 255)) out.insert({x, y});
    return out;
}

Font named(const char* name, double points = 8.25) {
    Font f;
    f.name = name;
    f.points = points;
    return f;
}

TEST(Font, TheProgramsFaceNamesAreDrawnInDejaVu) {
    struct Case {
        const char* name;
        const char* family;
    } cases[] = {
        {"Tahoma", "DejaVu Sans"},       {"Verdana", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"}, {"Courier New", "DejaVu Sans Mono"},
        {" courier new ", "DejaVu Sans Mono"}, {"No Such Face", "DejaVu Sans"},
    };
    for (const auto& c : cases) EXPECT_EQ(substituteFamily(c.name), c.family) << c.name;

    // The faces really are the ones named: the monospaced one gives every letter one width.
    const Font mono = named("Courier New", 10);
    EXPECT_EQ(textExtent(mono, "iiii").cx, textExtent(mono, "WWWW").cx);
    const Font sans = named("Tahoma", 10);
    EXPECT_LT(textExtent(sans, "iiii").cx, textExtent(sans, "WWWW").cx);
    EXPECT_GT(textExtent(sans, "iiii").cx, 0);
}

TEST(Font, SizesAreInPointsAtNinetySixDotsPerInch) {
    struct Case {
        double points;
        int32_t pixels;
    } cases[] = {{8.25, 11}, {9, 12}, {10, 13}, {12, 16}, {18, 24}, {72, 96}};
    for (const auto& c : cases) EXPECT_EQ(pointsToPixels(c.points), c.pixels) << c.points;

    // A line of a bigger font is higher and wider; the line height holds ascent and descent.
    const FontMetrics small = fontMetrics(named("Tahoma", 8.25)), big = fontMetrics(named("Tahoma", 16.5));
    EXPECT_EQ(small.height, small.ascent + small.descent);
    EXPECT_GE(small.height, pointsToPixels(8.25));
    EXPECT_GT(big.height, small.height + small.height / 2);
    EXPECT_GT(textExtent(named("Tahoma", 16.5), "Allow").cx, textExtent(named("Tahoma", 8.25), "Allow").cx);
    EXPECT_EQ(textExtent(named("Tahoma"), "Allow").cy, small.height);
}

TEST(Font, BoldItalicAndUnderlineChangeThePixels) {
    const Font plain = named("Tahoma", 10);
    Font bold = plain, italic = plain, underline = plain;
    bold.bold = true;
    italic.italic = true;
    underline.underline = true;
    const auto p = ink(plain, "Block all"), b = ink(bold, "Block all"), i = ink(italic, "Block all"),
               u = ink(underline, "Block all");
    ASSERT_FALSE(p.empty());
    EXPECT_GT(b.size(), p.size());  // heavier strokes
    EXPECT_GT(textExtent(bold, "Block all").cx, textExtent(plain, "Block all").cx);
    EXPECT_NE(i, p);  // slanted glyphs
    EXPECT_EQ(textExtent(italic, "Block all").cy, textExtent(plain, "Block all").cy);

    // The underline adds one row of ink (at least) below the baseline across the whole text.
    for (const auto& q : p) EXPECT_EQ(u.count(q), 1u);
    const int baseline = 4 + fontMetrics(plain).ascent;
    const int width = textExtent(plain, "Block all").cx;
    bool found = false;
    for (int y = baseline; y < baseline + fontMetrics(plain).descent && !found; ++y) {
        int n = 0;
        for (int x = 4; x < 4 + width; ++x) n += u.count({x, y}) && !p.count({x, y}) ? 1 : 0;
        found = n >= width - 4;  // the gaps are glyph pixels already inked
    }
    EXPECT_TRUE(found);
}

TEST(Font, TextIsWindows1252) {
    const Font f = named("Tahoma", 10);
    // The euro sign (0x80) and the accented letters of the upper half have glyphs of their own.
    for (const char* text : {"\x80", "\xe9", "\xc4", "\xdf"}) {
        EXPECT_GT(textExtent(f, text).cx, 0) << int(static_cast<unsigned char>(text[0]));
        EXPECT_FALSE(ink(f, text).empty());
    }
    EXPECT_NE(ink(f, "\xe9"), ink(f, "e"));
    EXPECT_NE(ink(f, "\x80"), ink(f, "\xe9"));
    // Control characters take no room.
    EXPECT_EQ(textExtent(f, "a\tb").cx, textExtent(f, "ab").cx);
}

}  // namespace
}  // namespace qv::gfx
