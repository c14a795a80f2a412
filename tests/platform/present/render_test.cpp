// The presenter's drawing of forms: the frame by border style, shaped windows, which controls
// show and how they stack and clip, the states the controls draw, and painters by kind.
#include <gtest/gtest.h>

#include "platform/forms/common/list_view.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/gfx/region_data.h"
#include "platform/forms/drawing.h"
#include "platform/present/render.h"

namespace qv::present {
namespace {

using gfx::Colour;
using gfx::sysColour;
constexpr int kTw = forms::kTwipsPerPixel;
const Colour kFace = sysColour(gfx::kColourButtonFace);
const Colour kWhite = gfx::rgb(255, 255, 255);
const Colour kRed = gfx::rgb(255, 0, 0);

// A borderless form of w by h pixels with a white client area, so pixels map one to one.
class Plain : public forms::Form {
public:
    Plain(int w = 100, int h = 60) : Form("Plain") {
        BorderStyle(0);
        Width(w * kTw);
        Height(h * kTw);
        BackColor(kWhite);
    }
};

template <class C>
void place(C& c, int x, int y, int w, int h) {
    c.Move(x * kTw, y * kTw, w * kTw, h * kTw);
}

TEST(RenderFrame, BorderStylesGiveTheirFrameAndCaptionBar) {
    struct Case {
        int style;
        bool captionBar;
        int clientTop;
    };
    for (const Case& k : {Case{0, false, 0}, Case{1, true, 23}, Case{2, true, 23}, Case{3, true, 23},
                          Case{4, true, 20}}) {
        SCOPED_TRACE(k.style);
        Plain f(120, 80);
        f.BorderStyle(k.style);
        f.Caption("Title");
        const gfx::Canvas c = renderForm(f);
        ASSERT_EQ(c.width(), 120);
        ASSERT_EQ(c.height(), 80);
        // The client area begins below the caption bar and inside the border.
        const int border = k.style == 0 ? 0 : 4;
        EXPECT_EQ(c.pixel(border + 20, k.clientTop + 2), kWhite);
        if (k.captionBar) {
            EXPECT_EQ(c.pixel(border, border + 1), sysColour(gfx::kColourActiveCaption));
            // The raised outer edge: light at the top left, dark at the bottom right.
            EXPECT_EQ(c.pixel(10, 0), sysColour(gfx::kColour3dLight));
            EXPECT_EQ(c.pixel(10, 79), sysColour(gfx::kColour3dDarkShadow));
        } else {
            EXPECT_EQ(c.pixel(0, 0), kWhite);
        }
    }
}

TEST(RenderFrame, ControlBoxDrawsTheCloseButtonAndAnInactiveBarItsColours) {
    Plain f(120, 80);
    f.BorderStyle(3);
    // The close button's face lies at the right end of the caption bar.
    EXPECT_EQ(renderForm(f).pixel(100, 8), kFace);
    f.ControlBox(false);
    EXPECT_NE(renderForm(f).pixel(100, 8), kFace);
    RenderOptions inactive;
    inactive.active = false;
    EXPECT_EQ(renderForm(f, inactive).pixel(4, 5), sysColour(gfx::kColourInactiveCaption));
}

TEST(RenderFrame, AShapedWindowShowsOnlyItsRegion) {
    Plain f(40, 30);
    f.setWindowRegion(gfx::regionToData(gfx::Region::rect(10, 5, 30, 25)));
    RenderOptions o;
    o.outside = kRed;
    const gfx::Canvas c = renderForm(f, o);
    EXPECT_EQ(c.pixel(9, 10), kRed);
    EXPECT_EQ(c.pixel(10, 5), kWhite);
    EXPECT_EQ(c.pixel(29, 24), kWhite);
    EXPECT_EQ(c.pixel(30, 24), kRed);
    // Region data that cannot be read shapes nothing; the window is drawn whole.
    f.setWindowRegion({1, 2, 3});
    EXPECT_EQ(renderForm(f, o).pixel(0, 0), kWhite);
}

TEST(RenderControls, WindowedControlsLieAboveWindowlessOnesAndContainersClip) {
    Plain f;
    forms::CommandButton button(f, "Command1");
    forms::Label label(f, "Label1");  // later, but windowless: under the button
    label.BackColor(kRed);
    place(button, 0, 0, 30, 20);
    place(label, 20, 0, 30, 20);
    forms::Frame frame(f, "Frame1");
    place(frame, 60, 30, 20, 20);
    frame.BorderStyle(0);
    forms::Label inside(f, "Label2");
    inside.Container(&frame);
    inside.BackColor(kRed);
    place(inside, 10, 10, 30, 5);  // runs past the frame's right edge
    const gfx::Canvas c = renderForm(f);
    EXPECT_EQ(c.pixel(25, 10), kFace) << "the button covers the label";
    EXPECT_EQ(c.pixel(40, 10), kRed);
    EXPECT_EQ(c.pixel(75, 42), kRed) << "inside the frame, in its coordinates";
    EXPECT_EQ(c.pixel(85, 42), kWhite) << "clipped at the frame's edge";
}

TEST(RenderControls, HiddenControlsAndTheirContentsAndRunTimeInvisibleKindsAreNotDrawn) {
    Plain f;
    forms::Frame frame(f, "Frame1");
    place(frame, 0, 0, 50, 50);
    forms::Label inside(f, "Label1");
    inside.Container(&frame);
    inside.BackColor(kRed);
    place(inside, 0, 20, 20, 20);
    forms::Timer timer(f, "Timer1");
    place(timer, 60, 0, 30, 30);
    frame.Visible(false);
    const gfx::Canvas c = renderForm(f);
    EXPECT_EQ(c.pixel(10, 30), kWhite);
    EXPECT_EQ(c.pixel(70, 10), kWhite) << "a timer has no look";
    frame.Visible(true);
    EXPECT_EQ(renderForm(f).pixel(10, 30), kRed);
}

TEST(RenderControls, CheckBoxMarkShowsEachValueAndTheDisabledState) {
    struct Case {
        int value;
        bool enabled;
        Colour field, mark;
    };
    const Colour black = 0, grey = sysColour(gfx::kColourGrayText);
    for (const Case& k : {Case{0, true, kWhite, kWhite}, Case{1, true, kWhite, black}, Case{2, true, kFace, grey},
                          Case{1, false, kFace, grey}}) {
        SCOPED_TRACE(testing::Message() << "value " << k.value << " enabled " << k.enabled);
        Plain f;
        forms::CheckBox box(f, "Check1");
        place(box, 0, 0, 80, 13);
        box.Value(k.value);
        box.Enabled(k.enabled);
        const gfx::Canvas c = renderForm(f);
        // Inside the sunken border: a corner of the field, and the lowest pixel of the mark.
        EXPECT_EQ(c.pixel(10, 3), k.field);
        EXPECT_EQ(c.pixel(5, 9), k.mark);
    }
}

TEST(RenderControls, ListViewShowsTheSelectionByFocusAndHideSelection) {
    struct Case {
        bool focused, hideSelection;
        Colour back;
    };
    for (const Case& k : {Case{true, true, sysColour(gfx::kColourHighlight)}, Case{false, true, kWhite},
                          Case{false, false, kFace}}) {
        SCOPED_TRACE(testing::Message() << "focused " << k.focused << " hide " << k.hideSelection);
        Plain f(100, 80);
        forms::ListView lv(f, "lvRules");
        place(lv, 0, 0, 100, 80);
        lv.ColumnHeaders().Add(-1, "", "Name", 60 * kTw);
        lv.ListItems().Add(-1, "a", "");
        lv.ListItems().Add(-1, "b", "");
        lv.ListItems()(2).Selected(true);
        lv.HideSelection(k.hideSelection);
        if (k.focused) lv.SetFocus();
        const gfx::Canvas c = renderForm(f);
        // The second row: below the border, the header and one row.
        const int y = 2 + forms::ListView::kHeaderPixels + forms::ListView::kRowPixels + 8;
        EXPECT_EQ(c.pixel(30, y), k.back);
        EXPECT_EQ(c.pixel(30, y - forms::ListView::kRowPixels), kWhite) << "the first row is not selected";
    }
}

TEST(RenderControls, ListViewRowsStartAtTopIndex) {
    Plain f(100, 80);
    forms::ListView lv(f, "lvRules");
    place(lv, 0, 0, 100, 80);
    lv.Checkboxes(true);
    lv.ColumnHeaders().Add(-1, "", "Name", 60 * kTw);
    for (const char* key : {"a", "b", "c"}) lv.ListItems().Add(-1, key, key);
    lv.ListItems()(2).Checked(true);
    const int firstRow = 2 + forms::ListView::kHeaderPixels;
    // The lowest pixel of the check mark in a row's box: the box is 2 pixels in from the border
    // and centred in the row, its mark 3 pixels in from the box's corner and 7 pixels high.
    auto marked = [&](const gfx::Canvas& c, int row) {
        const int boxLeft = 2 + 2, boxTop = firstRow + row * forms::ListView::kRowPixels + 1;
        return c.pixel(boxLeft + 3 + 2, boxTop + 3 + 6) == 0;
    };
    gfx::Canvas c = renderForm(f);
    EXPECT_FALSE(marked(c, 0));
    EXPECT_TRUE(marked(c, 1));
    lv.TopIndex(2);
    c = renderForm(f);
    EXPECT_TRUE(marked(c, 0));
    EXPECT_FALSE(marked(c, 1));
}

class Gadget : public forms::Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Gadget"; }
};

// Paints itself red, and tries to paint the whole form blue.
class Painted : public Gadget {
public:
    using Gadget::Gadget;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override {
        dc.fillRect(rect, gfx::Brush::solid(kRed));
        dc.fillRect({-100, -100, 100, 60}, gfx::Brush::solid(gfx::rgb(0, 0, 255)));
    }
};

TEST(RenderControls, AKindWithoutAPainterIsAPlaceholderAndAPainterIsKeptToItsControl) {
    Plain f;
    Gadget g(f, "Gadget1");
    place(g, 10, 10, 60, 30);
    EXPECT_EQ(renderForm(f).pixel(12, 12), kFace);
    Plain f2;
    Painted p(f2, "Gadget1");
    place(p, 10, 10, 60, 30);
    const gfx::Canvas c = renderForm(f2);
    EXPECT_EQ(c.pixel(12, 12), gfx::rgb(0, 0, 255));
    EXPECT_EQ(c.pixel(5, 5), kWhite) << "a painter is clipped to its control";
    EXPECT_EQ(renderClient(f2), c) << "a borderless form's client is the whole window";
}

}  // namespace
}  // namespace qv::present
