// Comparing pictures by tolerance, and PNG files read back as canvases.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gfx/png_io.h"
#include "platform/present/image_compare.h"

namespace qv::present {
namespace {

TEST(ImageCompare, CountsOnlyPixelsBeyondTheChannelTolerance) {
    gfx::Canvas ref(10, 10, gfx::rgb(100, 100, 100));
    gfx::Canvas near = ref, far = ref;
    near.setPixel(1, 1, gfx::rgb(110, 95, 100));  // within 10
    far.setPixel(1, 1, gfx::rgb(100, 100, 111));  // blue 11 off
    far.setPixel(2, 2, gfx::rgb(0, 100, 100));
    EXPECT_EQ(compareImages(ref, ref, 0).differing, 0);
    EXPECT_EQ(compareImages(near, ref, 10).differing, 0);
    const ImageDifference d = compareImages(far, ref, 10);
    EXPECT_EQ(d.differing, 2);
    EXPECT_EQ(d.maxDelta, 100);
    EXPECT_DOUBLE_EQ(d.share(), 0.02);
    EXPECT_TRUE(d.within(0.02));
    EXPECT_FALSE(d.within(0.01));
}

TEST(ImageCompare, ADifferentSizeNeverMatches) {
    const ImageDifference d = compareImages(gfx::Canvas(10, 9), gfx::Canvas(10, 10), 255);
    EXPECT_FALSE(d.sameSize);
    EXPECT_FALSE(d.within(1.0));
    // The difference picture marks what the actual image lacks.
    EXPECT_EQ(differenceImage(gfx::Canvas(10, 9), gfx::Canvas(10, 10), 0).pixel(0, 9), gfx::rgb(255, 0, 0));
}

TEST(ImageCompare, ReadsBackAWrittenPngAndRefusesWhatIsNotOne) {
    const auto dir = std::filesystem::temp_directory_path() / ("qv_present_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    gfx::Canvas c(3, 2, gfx::rgb(1, 2, 3));
    c.setPixel(2, 1, gfx::rgb(200, 100, 50));
    ASSERT_TRUE(gfx::writePng(c, (dir / "c.png").string()));
    const auto back = readPng((dir / "c.png").string());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c);
    EXPECT_FALSE(readPng((dir / "missing.png").string()).has_value());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv::present
