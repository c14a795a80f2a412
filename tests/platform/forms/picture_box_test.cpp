// PictureBox as a drawing surface: scales, the drawing methods and their draw modes, pictures
// from the design and AutoSize.
#include "platform/forms/intrinsic/picture_box.h"

#include <gtest/gtest.h>

#include "platform/base/basic_error.h"
#include "platform/forms/form.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/picture.h"

namespace qv::forms {
namespace {

constexpr uint32_t kRed = gfx::rgb(255, 0, 0);
constexpr uint32_t kWhite = gfx::rgb(255, 255, 255);

class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest() {
        pic.BorderStyle(0);
        pic.Move(0, 0, 1500, 300);  // 100 by 20 pixels inside
        pic.BackColor(kWhite);
        pic.ForeColor(kRed);
        pic.Cls();
    }
    int count(uint32_t colour) const {
        int n = 0;
        for (uint32_t p : pic.surface().pixels()) n += p == colour;
        return n;
    }
    Form form{"frmPic"};
    PictureBox pic{form, "picProgress"};
};

TEST_F(PictureBoxTest, AFilledBoxInAProgramScaleCoversBothCornersAndClipsAtTheEdges) {
    ASSERT_EQ(pic.surface().width(), 100);
    ASSERT_EQ(pic.surface().height(), 20);
    pic.ScaleWidth(100);  // a scale of the program's own: 0..100 across
    EXPECT_EQ(pic.ScaleMode(), 0);
    EXPECT_DOUBLE_EQ(pic.ScaleHeight(), 300) << "the height keeps the twips it had";
    // A progress bar at 40 %: from outside the top left to beyond the bottom.
    pic.Line(-10, -10, 40, pic.ScaleHeight() + 75, -1, 2);
    EXPECT_EQ(count(kRed), 41 * 20);
    EXPECT_EQ(pic.Point(40, 0), kRed);
    EXPECT_EQ(pic.Point(41.5, 0), kWhite);
    EXPECT_EQ(pic.Point(200, 0), -1) << "outside the box";
    pic.Cls();
    EXPECT_EQ(count(kRed), 0);
    EXPECT_DOUBLE_EQ(pic.CurrentX, 0);
}

TEST_F(PictureBoxTest, LinesLeaveOutTheirEndPointAndDrawModesCombineWithTheSurface) {
    pic.ScaleMode(3);
    pic.Line(0, 0, 10, 0);
    EXPECT_EQ(count(kRed), 10);
    EXPECT_DOUBLE_EQ(pic.CurrentX, 10);
    pic.DrawMode(7);  // xor pen: a second pass takes the first back off
    pic.Line(0, 5, 10, 5);
    EXPECT_EQ(pic.surface().pixel(0, 5), kWhite ^ kRed);
    pic.Line(0, 5, 10, 5);
    EXPECT_EQ(pic.surface().pixel(0, 5), kWhite);
    pic.Line(0, 0, 10, 0);
    EXPECT_EQ(count(kRed), 0) << "red xor red is black";
    pic.DrawMode(6);  // invert
    pic.PSet(50, 5);
    EXPECT_EQ(pic.surface().pixel(50, 5), 0u);
    pic.DrawMode(13);
    pic.Line(20, 2, 29, 11, -1, 1);  // outline only
    EXPECT_EQ(pic.surface().pixel(20, 2), kRed);
    EXPECT_EQ(pic.surface().pixel(29, 11), kRed);
    EXPECT_EQ(pic.surface().pixel(25, 6), kWhite);
    EXPECT_THROW(pic.DrawMode(17), base::BasicError);
    EXPECT_THROW(pic.ScaleWidth(0), base::BasicError);
    EXPECT_THROW(pic.ScaleMode(2), base::BasicError);
}

TEST_F(PictureBoxTest, PrintMovesDownOneLineAndMeasuresInTheScale) {
    pic.ScaleMode(3);
    pic.CurrentX = 5;
    const double h = pic.TextHeight("Ag");
    EXPECT_GT(h, 5);
    EXPECT_GT(pic.TextWidth("Ag"), 5);
    pic.Print("Ag");
    EXPECT_DOUBLE_EQ(pic.CurrentX, 0);
    EXPECT_DOUBLE_EQ(pic.CurrentY, h);
    EXPECT_GT(count(kRed), 0) << "the text is drawn in the fore colour";
}

TEST_F(PictureBoxTest, DesignDataBecomesAOnePixelHighPictureAndAutoSizeTakesItsSize) {
    DesignValue data;
    data.kind = DesignValue::Kind::Bytes;
    data.text = std::string("\x30\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00", 12);
    ASSERT_TRUE(pic.applyDesign("Data", data));
    ASSERT_NE(pic.Picture(), nullptr);
    EXPECT_EQ(pic.Picture()->width(), 3);
    EXPECT_EQ(pic.Picture()->height(), 1);
    EXPECT_EQ(gfx::bitmapBits(pic.Picture()->image(), 12),
              std::vector<uint8_t>(data.text.begin(), data.text.end()))
        << "the bytes come back out of the pixels";

    pic.BorderStyle(1);
    pic.AutoSize(true);
    EXPECT_EQ(pic.Width(), (3 + 4) * 15);
    EXPECT_EQ(pic.Height(), (1 + 4) * 15);
    EXPECT_EQ(pic.clientOffsetX(), 30);
}

}  // namespace
}  // namespace qv::forms
