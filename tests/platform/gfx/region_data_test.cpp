#include "platform/gfx/region_data.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace qv::gfx;

namespace {

std::vector<uint8_t> fields(std::initializer_list<uint32_t> values) {
    std::vector<uint8_t> out;
    for (uint32_t v : values)
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    return out;
}

}  // namespace

TEST(RegionData, OneRectangleWindowShape) {
    // 48 bytes: the header and one rectangle (5, 5)-(612, 361).
    const auto data = fields({32, 1, 1, 16, 5, 5, 612, 361, 5, 5, 612, 361});
    ASSERT_EQ(data.size(), 48u);
    const auto r = regionFromData(data);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->bounds(), (Rect{5, 5, 612, 361}));
    EXPECT_TRUE(r->contains(5, 5));
    EXPECT_TRUE(r->contains(611, 360));
    EXPECT_FALSE(r->contains(612, 100));
    EXPECT_EQ(regionToData(*r), data);
}

TEST(RegionData, RoundTripOfAShapeWithManyBands) {
    const Region shape = Region::roundRect(7, 130, 305, 237, 40, 30);
    const auto data = regionToData(shape);
    EXPECT_EQ(data.size(), 32 + 16 * shape.rects().size());
    const auto back = regionFromData(data);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, shape);
    // The header: size, type, count, byte size, bounds.
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 32),
              fields({32, 1, uint32_t(shape.rects().size()), uint32_t(16 * shape.rects().size()),
                      7, 130, 304, 236}));
}

TEST(RegionData, ToleratesWhatTheStoredShapesCarry) {
    // A trailing pixel's worth of bytes, stale byte-size and bounding fields, overlapping and
    // empty rectangles.
    auto data = fields({32, 1, 3, 0, 0, 0, 0, 0, 0, 0, 10, 10, 5, 0, 20, 10, 8, 8, 8, 20, 0, 0, 0});
    const auto r = regionFromData(data);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, Region::rect(0, 0, 20, 10));
    const auto none = regionFromData(fields({32, 1, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->isEmpty());
}

TEST(RegionData, MalformedDataGivesNoRegion) {
    const std::vector<uint8_t> whole = fields({32, 1, 2, 32, 0, 0, 4, 4, 0, 0, 2, 2, 2, 2, 4, 4});
    struct Case {
        const char* what;
        std::vector<uint8_t> data;
    } cases[] = {
        {"empty", {}},
        {"header cut short", std::vector<uint8_t>(whole.begin(), whole.begin() + 31)},
        {"header size 40", fields({40, 1, 0, 0, 0, 0, 0, 0})},
        {"type 2", fields({32, 2, 0, 0, 0, 0, 0, 0})},
        {"count past the data", std::vector<uint8_t>(whole.begin(), whole.end() - 1)},
        {"huge count", fields({32, 1, 0xFFFFFFFF, 0, 0, 0, 0, 0, 1, 1, 2, 2})},
        {"count that wraps at 16 bytes each", fields({32, 1, 0x10000001, 16, 0, 0, 0, 0, 0, 0, 1, 1})},
    };
    for (const auto& c : cases) EXPECT_FALSE(regionFromData(c.data).has_value()) << c.what;
    EXPECT_TRUE(regionFromData(whole).has_value());
}
