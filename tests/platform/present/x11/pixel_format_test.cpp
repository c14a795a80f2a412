// Surface colours in the display's pixel layouts and back.
#include "platform/present/x11/pixel_format.h"

#include <gtest/gtest.h>

namespace qv::present::x11 {
namespace {

TEST(PixelFormatTest, ColoursGoIntoEachLayoutAndComeBack) {
    struct Case {
        std::uint32_t r, g, b;
        gfx::Colour colour;
        std::uint32_t pixel;
    };
    const Case cases[] = {
        {0xFF0000, 0xFF00, 0xFF, gfx::rgb(0x12, 0x34, 0x56), 0x123456},  // the usual 24-bit layout
        {0xFF, 0xFF00, 0xFF0000, gfx::rgb(0x12, 0x34, 0x56), 0x563412},  // red in the low byte
        {0xF800, 0x07E0, 0x1F, gfx::rgb(255, 255, 255), 0xFFFF},         // 16-bit: white stays white
        {0xF800, 0x07E0, 0x1F, gfx::rgb(0x80, 0x40, 0x08), 0x8201},
    };
    for (const Case& c : cases) {
        const PixelFormat f(c.r, c.g, c.b);
        EXPECT_EQ(f.pixel(c.colour), c.pixel) << std::hex << c.r;
        if (c.r == 0xFF0000 || c.r == 0xFF) {
            EXPECT_EQ(f.colour(c.pixel), c.colour);
        }
    }
    EXPECT_EQ(PixelFormat(0xF800, 0x07E0, 0x1F).colour(0xFFFF), gfx::rgb(255, 255, 255));
}

TEST(PixelFormatTest, CopyWritesOnlyTheRectangleAtItsPlaceInTheImage) {
    gfx::Canvas surface(4, 3, gfx::rgb(1, 2, 3));
    surface.setPixel(2, 1, gfx::rgb(9, 8, 7));
    std::vector<std::uint32_t> image(4 * 3, 0xDEADBEEF);
    const PixelFormat f(0xFF0000, 0xFF00, 0xFF);
    // The image shows the surface from (1, 0); the rectangle reaches past the surface's edge.
    f.copy(surface, gfx::Rect{2, 1, 9, 2}, {1, 0}, reinterpret_cast<std::uint8_t*>(image.data()), 4 * 4);
    EXPECT_EQ(image[1 * 4 + 1], 0x090807u);
    EXPECT_EQ(image[1 * 4 + 2], 0x010203u);
    EXPECT_EQ(image[1 * 4 + 0], 0xDEADBEEFu);
    EXPECT_EQ(image[0 * 4 + 1], 0xDEADBEEFu);
    EXPECT_EQ(image[1 * 4 + 3], 0xDEADBEEFu);  // surface x 4 does not exist
}

}  // namespace
}  // namespace qv::present::x11
