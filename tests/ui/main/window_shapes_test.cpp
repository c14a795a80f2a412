// The outlines the shaped windows carry in their hidden pictures: each one's region data has the
// size its window reads, and describes the window's face.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/region_data.h"
#include "ui/main/window_shape.h"

namespace qv::ui {
namespace {

std::uint32_t field(const std::vector<std::uint8_t>& data, std::size_t i) {
    std::uint32_t v = 0;
    std::memcpy(&v, data.data() + 4 * i, 4);
    return v;
}

TEST(WindowShapes, EachOutlineHasTheSizeItsWindowReads) {
    struct Shape {
        const char* window;
        int rectangles;
        gfx::Rect bounds;
    };
    const Shape shapes[] = {
        {"splash", 56, {7, 130, 304, 236}},       {"frmMain", 1, {5, 5, 612, 361}},
        {"frmApplications", 1, {0, 0, 480, 330}}, {"frmServiceAlert", 1, {0, 0, 420, 180}},
        {"frmport", 1, {0, 0, 480, 330}},         {"frmfilter", 1, {0, 0, 480, 330}},
        {"frmBlock", 1, {0, 0, 320, 160}},        {"frmAdd", 1, {0, 0, 400, 200}},
        {"frmGraph", 3, {0, 0, 480, 300}},        {"frmAlert", 50, {0, 0, 420, 240}},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.window);
        auto picture = gfx::loadPicture(std::string(QV_SOURCE_DIR "/assets/Forms/shapes/") + s.window + ".bmp");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->height(), 1);
        const std::size_t bytes = regionBytes(s.rectangles);
        const std::vector<std::uint8_t> data = gfx::bitmapBits(picture->image(), bytes);
        ASSERT_EQ(data.size(), bytes);
        EXPECT_EQ(field(data, 0), 32u);
        EXPECT_EQ(field(data, 1), 1u);
        EXPECT_EQ(field(data, 2), static_cast<std::uint32_t>(s.rectangles));
        EXPECT_EQ(field(data, 3), static_cast<std::uint32_t>(16 * s.rectangles));
        auto region = gfx::regionFromData(data);
        ASSERT_TRUE(region);
        EXPECT_EQ(region->bounds(), s.bounds);
        const gfx::Rect b = s.bounds;
        EXPECT_TRUE(region->contains((b.left + b.right) / 2, (b.top + b.bottom) / 2));
    }
}

}  // namespace
}  // namespace qv::ui
