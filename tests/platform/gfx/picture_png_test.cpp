#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/base/files.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/dib_reader.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/region_data.h"

using namespace qv::gfx;

TEST(Png, RenderedCanvasWrittenAsPngReadsBackTheSame) {
    Canvas canvas(64, 24, sysColour(kColourButtonFace));
    DeviceContext dc(canvas);
    Rect rc{0, 0, 64, 24};
    dc.drawEdge(rc, edge::kRaised, edge::kRect);
    dc.gradientRows(rgb(250, 250, 250), rgb(200, 200, 220), 2, 2, 62, 19);
    dc.setBkMode(BackgroundMode::Transparent);
    Rect text{0, 0, 64, 24};
    dc.drawText("&OK", text, dt::kCenter | dt::kVCenter | dt::kSingleLine);
    const std::string path = (std::filesystem::temp_directory_path() / "qv_gfx_render_test.png").string();
    ASSERT_TRUE(writePng(canvas, path));
    const PicturePtr back = loadPicture(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->type(), PictureType::Bitmap);
    EXPECT_EQ(back->image(), canvas);
    EXPECT_FALSE(writePng(Canvas(), path));
}

TEST(Picture, HandlesAreUniqueAndFoundWhileThePictureLives) {
    PicturePtr a = Picture::bitmap(Canvas(32, 32));
    const PicturePtr b = Picture::icon(Canvas(16, 16), Canvas(16, 16, 0xFFFFFF));
    EXPECT_NE(a->handle(), 0u);
    EXPECT_NE(a->handle(), b->handle());
    EXPECT_EQ(findPicture(b->handle()), b);
    EXPECT_EQ(a->type(), PictureType::Bitmap);
    EXPECT_EQ(b->type(), PictureType::Icon);
    EXPECT_EQ(a->mask(), nullptr);
    ASSERT_NE(b->mask(), nullptr);
    EXPECT_EQ(a->widthHimetric(), 847);
    const uint32_t gone = a->handle();
    a.reset();
    EXPECT_EQ(findPicture(gone), nullptr);
    EXPECT_EQ(findPicture(0), nullptr);
}

TEST(Picture, BmpAndIcoReadersAndMalformedFiles) {
    // A 2 by 2 24-bit bottom-up BMP: bottom row red, white; top row blue, black.
    std::vector<uint8_t> bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,
                                1, 0, 24, 0};
    bmp.resize(54, 0);
    for (uint8_t v : {0, 0, 255, 255, 255, 255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0}) bmp.push_back(v);
    const PicturePtr p = loadPictureFromMemory(bmp);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->image().pixel(0, 1), rgb(255, 0, 0));
    EXPECT_EQ(p->image().pixel(1, 1), rgb(255, 255, 255));
    EXPECT_EQ(p->image().pixel(0, 0), rgb(0, 0, 255));
    EXPECT_EQ(p->image().pixel(1, 0), rgb(0, 0, 0));
    // The same pixels as a one-entry icon with an AND mask clearing the top-right pixel.
    std::vector<uint8_t> ico = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    std::vector<uint8_t> dib(bmp.begin() + 14, bmp.end());
    dib[8] = 4;  // twice the height
    for (uint8_t v : {0x00, 0, 0, 0, 0x40, 0, 0, 0}) dib.push_back(v);
    ico[14] = uint8_t(dib.size());
    ico.insert(ico.end(), dib.begin(), dib.end());
    const PicturePtr icon = loadPictureFromMemory(ico);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->type(), PictureType::Icon);
    EXPECT_EQ(icon->mask()->pixel(1, 0), 0xFFFFFFu);
    EXPECT_EQ(icon->mask()->pixel(0, 0), 0u);
    EXPECT_EQ(icon->image().pixel(0, 0), rgb(0, 0, 255));

    auto truncated = bmp;
    truncated.resize(60);
    auto huge = bmp;
    huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;
    auto badOffset = bmp;
    badOffset[10] = 0xFF, badOffset[11] = 0xFF;
    auto icoPastEnd = ico;
    icoPastEnd[18] = 0xF0;
    for (const auto* bad : {&truncated, &huge, &badOffset, &icoPastEnd})
        EXPECT_EQ(loadPictureFromMemory(*bad), nullptr);
    EXPECT_EQ(loadPictureFromMemory(std::vector<uint8_t>{}), nullptr);
}

TEST(Picture, RegionDataCarriedInPixelsComesBackAsTheRegion) {
    const Region shape = Region::roundRect(0, 0, 41, 31, 18, 18);
    const auto data = regionToData(shape);
    Canvas hidden = canvasFromBitmapBits(data);
    hidden.resize(hidden.width() + 1, 1, 0);  // one pixel more than there are fields
    const auto bits = bitmapBits(hidden, data.size());
    EXPECT_EQ(bits, data);
    const auto back = regionFromData(bits);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, shape);
}

// A 2 by 2 PNG with an alpha channel: red opaque, green clear, blue at alpha 200, black at 100.
TEST(Picture, PngAssetWithAlphaLoadsAsAnIconWhoseMaskIsItsClearPixels) {
    const uint8_t png[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d,
        0x24, 0x00, 0x00, 0x00, 0x15, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xf0,
        0x1f, 0x08, 0x41, 0xe0, 0xff, 0x09, 0x20, 0x91, 0x02, 0x00, 0x35, 0x2d, 0x05, 0x29, 0xec, 0xf2,
        0x62, 0x09, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    const std::string path =
        (std::filesystem::temp_directory_path() / ("qv_gfx_alpha_" + std::to_string(::getpid()) + ".png")).string();
    ASSERT_TRUE(qv::base::writeFileAtomic(path, std::string_view(reinterpret_cast<const char*>(png), sizeof png)));
    const PicturePtr icon = loadIcon(path);
    const PicturePtr bitmap = loadPicture(path);
    std::filesystem::remove(path);

    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->type(), PictureType::Icon);
    EXPECT_EQ(icon->width(), 2);
    EXPECT_EQ(icon->height(), 2);
    ASSERT_NE(icon->mask(), nullptr);
    struct Case {
        int x, y;
        Colour mask, image;
    } cases[] = {{0, 0, 0, rgb(255, 0, 0)},
                 {1, 0, 0xFFFFFF, 0},  // clear: transparent, and black under the mask
                 {0, 1, 0, rgb(0, 0, 255)},
                 {1, 1, 0xFFFFFF, 0}};  // less than half opaque counts as clear
    for (const auto& c : cases) {
        EXPECT_EQ(icon->mask()->pixel(c.x, c.y), c.mask) << c.x << "," << c.y;
        EXPECT_EQ(icon->image().pixel(c.x, c.y), c.image) << c.x << "," << c.y;
    }
    Canvas dst(2, 2, rgb(0, 200, 0));
    DeviceContext dc(dst);
    dc.drawIcon(0, 0, icon.get());
    EXPECT_EQ(dst.pixel(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(dst.pixel(1, 0), rgb(0, 200, 0));
    EXPECT_EQ(dst.pixel(1, 1), rgb(0, 200, 0));

    // Loaded as a picture, the same file is a bitmap of its colours.
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->type(), PictureType::Bitmap);
    EXPECT_EQ(bitmap->mask(), nullptr);
    EXPECT_EQ(bitmap->image().pixel(0, 1), rgb(0, 0, 255));
    EXPECT_EQ(loadIcon(path), nullptr);  // gone
}
