#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
