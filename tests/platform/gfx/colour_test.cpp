#include "platform/gfx/colour.h"

#include <gtest/gtest.h>

#include "platform/gfx/device_context.h"

using namespace qv::gfx;

TEST(Colour, SystemColourValuesTranslateThroughTheClassicTable) {
    struct Case {
        Colour value;
        Colour expected;
    } cases[] = {
        {0x00123456, 0x00123456},                      // a plain colour stays itself
        {0x8000000F, rgb(192, 192, 192)},              // button face
        {0x80000010, rgb(128, 128, 128)},              // button shadow
        {0x80000005, rgb(255, 255, 255)},              // window
        {0x80000012, rgb(0, 0, 0)},                    // button text
        {0x80000018, rgb(255, 255, 225)},              // tooltip background
        {0x8000000D, rgb(0, 0, 128)},                  // highlight
        {0x8000001E, rgb(192, 192, 192)},              // menu bar, the last index
        {0x8000001F, kInvalidColour},                  // past the table
        {0x80000105, kInvalidColour},                  // bits beside the index
        {0x01000005, kInvalidColour},                  // a top byte that names no system colour
        {kInvalidColour, kInvalidColour},
    };
    for (const auto& c : cases) EXPECT_EQ(translateColour(c.value), c.expected) << std::hex << c.value;
    EXPECT_EQ(sysColour(kColourButtonFace), rgb(192, 192, 192));
    EXPECT_EQ(sysColour(-1), 0u);
    EXPECT_EQ(sysColour(kSysColourCount), 0u);
}

TEST(Colour, DrawingCallsTranslateSystemColoursFirst) {
    Canvas canvas(6, 6);
    DeviceContext dc(canvas);
    dc.fillRect({0, 0, 3, 3}, Brush::solid(kSystemColourBit | kColourHighlight));
    dc.selectPen({PenStyle::Solid, 1, kSystemColourBit | kColourButtonShadow});
    dc.moveTo(0, 4);
    dc.lineTo(6, 4);
    EXPECT_EQ(canvas.pixel(1, 1), rgb(0, 0, 128));
    EXPECT_EQ(canvas.pixel(5, 4), rgb(128, 128, 128));
    EXPECT_EQ(canvas.pixel(4, 1), rgb(255, 255, 255));
}
