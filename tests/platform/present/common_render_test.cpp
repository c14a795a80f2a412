// The common controls as drawn: how far a progress bar fills, where a slider's thumb sits, and
// which tab's controls a tab control shows.
#include <gtest/gtest.h>

#include "platform/forms/common/progress_bar.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/gfx/geometry.h"
#include "platform/present/render.h"

namespace qv::present {
namespace {

constexpr int kTw = forms::kTwipsPerPixel;
const gfx::Colour kWhite = gfx::rgb(255, 255, 255), kRed = gfx::rgb(255, 0, 0);
const gfx::Colour kBar = gfx::sysColour(gfx::kColourHighlight), kFace = gfx::sysColour(gfx::kColourButtonFace);

class Plain : public forms::Form {
public:
    Plain() : Form("Plain") {
        BorderStyle(0);
        Width(200 * kTw);
        Height(120 * kTw);
        BackColor(kWhite);
    }
};

TEST(CommonRender, AProgressBarFillsItsShareFromTheStartOfItsOrientation) {
    struct Case {
        int orientation;
        gfx::Point filled, empty;
    };
    // A 100 by 100 bar at half: the left half of a horizontal one, the bottom half of a vertical.
    for (const Case& k : {Case{0, {20, 50}, {80, 50}}, Case{1, {50, 80}, {50, 20}}}) {
        SCOPED_TRACE(k.orientation);
        Plain f;
        forms::ProgressBar bar(f, "pB");
        bar.Move(0, 0, 100 * kTw, 100 * kTw);
        bar.Orientation(k.orientation);
        bar.Scrolling(1);
        bar.Value(50);
        const gfx::Canvas c = renderForm(f);
        EXPECT_EQ(c.pixel(k.filled.x, k.filled.y), kBar);
        EXPECT_EQ(c.pixel(k.empty.x, k.empty.y), kFace);
    }
}

TEST(CommonRender, ASliderThumbSitsWhereItsValueIs) {
    Plain f;
    forms::Slider s(f, "Slider1");
    s.Move(0, 0, 200 * kTw, 42 * kTw);
    s.BackColor(kWhite);
    s.Max(10);
    // The thumb spans rows 4 to 24; the groove's top row (in shadow) is row 12.
    for (int v : {0, 5, 10}) {
        SCOPED_TRACE(v);
        s.Value(v);
        const gfx::Canvas c = renderForm(f);
        const int other = s.thumbCentre() < 100 ? 150 : 50;
        EXPECT_EQ(c.pixel(s.thumbCentre(), 7), kFace);
        EXPECT_EQ(c.pixel(other, 7), kWhite);
        EXPECT_EQ(c.pixel(other, 12), gfx::sysColour(gfx::kColourButtonShadow));
    }
}

TEST(CommonRender, ATabControlShowsTheControlsOfItsCurrentTabOnly) {
    Plain f;
    forms::XTab tabs(f, "XTab1");
    tabs.Move(0, 0, 200 * kTw, 120 * kTw);
    tabs.TabCount(2);
    forms::Label first(f, "Label1"), second(f, "Label2");
    for (forms::Label* l : {&first, &second}) {
        l->Container(&tabs);
        l->BackColor(kRed);
        l->Move(10 * kTw, 10 * kTw, 20 * kTw, 20 * kTw);
    }
    first.TabPage(0);
    second.TabPage(1);
    second.Move(100 * kTw, 10 * kTw, 20 * kTw, 20 * kTw);
    // Inside the page: two pixels of border across, the header and its border down.
    const int top = forms::XTab::kHeaderPixels + 2 + 15;
    gfx::Canvas c = renderForm(f);
    EXPECT_EQ(c.pixel(2 + 15, top), kRed);
    EXPECT_EQ(c.pixel(2 + 105, top), kFace);
    tabs.CurrTab(1);
    c = renderForm(f);
    EXPECT_EQ(c.pixel(2 + 15, top), kFace);
    EXPECT_EQ(c.pixel(2 + 105, top), kRed);
}

}  // namespace
}  // namespace qv::present
