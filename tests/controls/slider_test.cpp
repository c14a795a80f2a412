#include "controls/slider.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <span>

#include "platform/base/basic_error.h"
#include "platform/base/files.h"
#include "platform/forms/form.h"
#include "platform/forms/msgbox.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/rgba_image.h"
#include "platform/forms/hosting/property_bag.h"

namespace qv::controls {
namespace {

class SliderTest : public ::testing::Test {
protected:
    SliderTest() {
        forms::setPrompter(&prompter_);
        slider_.site();
        seen_ = slider_.changedProperties().size();
    }
    // The properties marked changed since the last call.
    std::vector<std::string> changed() {
        const auto& all = slider_.changedProperties();
        std::vector<std::string> out(all.begin() + seen_, all.end());
        seen_ = all.size();
        return out;
    }
    ~SliderTest() override { forms::setPrompter(nullptr); }

    int litSegments() const {
        int n = 0;
        for (const auto& s : slider_.parts().Shape1) n += s.Visible ? 1 : 0;
        return n;
    }
    float thumb() const { return slider_.parts().imgSlider.Left; }

    forms::ScriptedPrompter prompter_;
    forms::Form form_{"frmSlider"};
    ucSlider slider_{form_, "ucSlider1"};
    std::size_t seen_ = 0;
};

TEST_F(SliderTest, ValuePlacesTheThumbAndLightsTheSegments) {
    struct Case {
        std::int32_t assigned, stored;
        float thumb;
        int lit;
    };
    const Case cases[] = {
        {0, 0, -3.0f, 0},      {1, 1, 18.2f, 1},      {50, 50, 1057.0f, 13}, {100, 100, 2117.0f, 25},
        {105, 100, 2117.0f, 25}, {-1, 0, -3.0f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.assigned);
        slider_.Value(c.assigned);
        EXPECT_EQ(slider_.Value(), c.stored);
        EXPECT_FLOAT_EQ(thumb(), c.thumb);
        EXPECT_EQ(litSegments(), c.lit);
        EXPECT_EQ(slider_.parts().lblValue.Caption, std::to_string(c.stored));
    }
    // Every lit segment lies left of every unlit one.
    slider_.Value(50);
    EXPECT_TRUE(slider_.parts().Shape1[12].Visible);
    EXPECT_FALSE(slider_.parts().Shape1[13].Visible);
}

TEST_F(SliderTest, ValueAsTextFromHostsThatHoldText) {
    slider_.Max(3);
    slider_.Value(std::string_view("3"));
    EXPECT_EQ(slider_.Value(), 3);
    EXPECT_THROW(slider_.Value(std::string_view("high")), base::BasicError);
}

TEST_F(SliderTest, InvalidMinOrMaxShowsItsMessageAndKeepsTheValue) {
    struct Case {
        bool isMin;
        std::int32_t value;
        std::string text;
    };
    slider_.Caption("Security Level");
    changed();
    const Case cases[] = {
        {true, 100, "Sorry but Min and Max cannot be equal.  Security Level"},
        {true, 150, "Sorry but Min is greater then Max.  Security Level"},
        {false, 0, "Sorry but Max and Min cannot be equal.  Security Level"},
        {false, -5, "Sorry but Max is less than Min.  Security Level"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        prompter_.boxes.clear();
        if (c.isMin) slider_.Min(c.value);
        else slider_.Max(c.value);
        ASSERT_EQ(prompter_.boxes.size(), 1u);
        EXPECT_EQ(prompter_.boxes[0].text, c.text);
        EXPECT_EQ(prompter_.boxes[0].title, "Please correct error in Security Level");
        EXPECT_EQ(prompter_.boxes[0].style, forms::vbOKOnly);
    }
    EXPECT_EQ(slider_.Min(), 0);
    EXPECT_EQ(slider_.Max(), 100);
    EXPECT_TRUE(changed().empty());
}

TEST_F(SliderTest, AStoredMinOf100CannotLoadBeforeMax) {
    forms::Form form("frmLoad");
    ucSlider s(form, "ucSlider2");
    forms::PropertyBag bag;
    bag.WriteProperty("Min", std::int32_t{100});
    bag.WriteProperty("Max", std::int32_t{200});
    bag.WriteProperty("Value", std::int32_t{150});
    s.readProperties(bag);
    ASSERT_EQ(prompter_.boxes.size(), 1u);
    EXPECT_EQ(prompter_.boxes[0].text, "Sorry but Min and Max cannot be equal.  ");
    EXPECT_EQ(s.Min(), 0);
    EXPECT_EQ(s.Max(), 200);
    EXPECT_EQ(s.Value(), 150);
}

TEST_F(SliderTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    // Only the caption differs from its default ("") in a new control.
    EXPECT_EQ(slider_.saveProperties().keys(), std::vector<std::string>{"Caption"});

    slider_.Max(3);
    slider_.Value(2);
    slider_.BarColor(4);
    slider_.ValueHide(false);
    slider_.DropDownCtrl(false);
    slider_.TickColor(0xFF);
    forms::PropertyBag bag = slider_.saveProperties();

    forms::Form form("frmLoad");
    ucSlider copy(form, "ucSlider3");
    copy.readProperties(bag);
    EXPECT_EQ(copy.Caption(), "ucSlider1");
    EXPECT_EQ(copy.Max(), 3);
    EXPECT_EQ(copy.Value(), 2);
    EXPECT_EQ(copy.BarColor(), 4);
    EXPECT_FALSE(copy.ValueHide());
    EXPECT_TRUE(copy.parts().lblValue.Visible);
    EXPECT_FALSE(copy.DropDownCtrl());
    EXPECT_EQ(copy.Height(), ucSlider::kFoldedHeight);
    EXPECT_EQ(copy.parts().Line4.BorderColor, 0xFFu);
    EXPECT_EQ(copy.parts().Shape1[0].FillColor, gfx::rgb(250, 250, 50));
}

TEST_F(SliderTest, DraggingTheThumbTakesTheLeftButtonAlone) {
    slider_.Value(50);
    changed();
    // X is the pointer within the thumb; half the margin is taken off.
    slider_.thumbMouseDown(forms::kLeftButton, 65, 100);
    EXPECT_TRUE(slider_.parts().lblValue.Visible);
    slider_.thumbMouseMove(forms::kRightButton, 500, 100);
    slider_.thumbMouseMove(forms::kLeftButton | forms::kRightButton, 500, 100);
    EXPECT_EQ(slider_.Value(), 50);
    EXPECT_TRUE(changed().empty());

    slider_.thumbMouseMove(forms::kLeftButton, 65 + 420, 100);  // n = 1470, 1470 / 21 = 70
    EXPECT_EQ(slider_.Value(), 70);
    EXPECT_FLOAT_EQ(thumb(), 21.2f * 70 - 3);

    slider_.thumbMouseMove(forms::kLeftButton, 5000, 100);  // beyond the end
    EXPECT_EQ(slider_.Value(), 100);
    EXPECT_FLOAT_EQ(thumb(), 2117.0f);
    EXPECT_TRUE(slider_.parts().Shape1[24].Visible);

    slider_.thumbMouseMove(forms::kLeftButton, -5000, 100);  // before the start
    EXPECT_EQ(slider_.Value(), 0);
    EXPECT_EQ(litSegments(), 0);

    slider_.thumbMouseUp(forms::kLeftButton, 0, 0);
    EXPECT_FALSE(slider_.parts().lblValue.Visible);  // ValueHide is True
}

TEST_F(SliderTest, ClickingTheTrackBelowTheWedgeSetsTheValue) {
    struct Case {
        int button;
        float x, y;
        std::int32_t value;  // after the click; 7 is the value before each one
    };
    const Case cases[] = {
        {forms::kLeftButton, 1115, 450, 50},   // n = 1050, 1050 / 20.95 = 50.1
        {forms::kRightButton, 1115, 450, 50},  // any button
        {forms::kMiddleButton, 5000, 500, 100},
        {forms::kLeftButton, 1115, 400, 7},    // on the wedge: ignored
        {forms::kLeftButton, 1115, 120, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        slider_.Value(7);
        float before = thumb();
        slider_.trackMouseDown(c.button, c.x, c.y);
        EXPECT_EQ(slider_.Value(), c.value);
        if (c.value == 7) {
            EXPECT_FLOAT_EQ(thumb(), before);
        }
    }
    slider_.trackMouseDown(forms::kLeftButton, 5000, 500);
    EXPECT_TRUE(slider_.parts().Shape1[24].Visible);
    EXPECT_TRUE(slider_.parts().lblValue.Visible);
    slider_.trackMouseUp(forms::kLeftButton, 5000, 500);
    EXPECT_FALSE(slider_.parts().lblValue.Visible);
}

TEST_F(SliderTest, InputOnTheControlReachesThePartUnderThePointer) {
    slider_.Value(0);
    // The thumb sits at track (-3, 405), the track at 225 below the control's top.
    slider_.mouseDown(forms::kLeftButton, 0, 30, 225 + 495);
    slider_.mouseMove(forms::kLeftButton, 0, 1125, 225 + 495);  // n = -3 + 1128 - 65 = 1060 -> 1050
    EXPECT_EQ(slider_.Value(), 50);
    EXPECT_TRUE(slider_.parts().lblValue.Visible);
    slider_.mouseUp(forms::kLeftButton, 0, 1125, 225 + 495);
    EXPECT_FALSE(slider_.parts().lblValue.Visible);

    // A click on the track brings the thumb under the pointer; the release still belongs to
    // the track, which hides the value again.
    slider_.mouseDown(forms::kLeftButton, 0, 1665, 225 + 450);  // n = 1600, 1600 / 20.95 = 76.4
    EXPECT_EQ(slider_.Value(), 76);
    EXPECT_TRUE(slider_.parts().lblValue.Visible);
    slider_.mouseUp(forms::kLeftButton, 0, 1665, 225 + 450);
    EXPECT_FALSE(slider_.parts().lblValue.Visible);

    // A press on the wedge that then passes over the thumb does not drag it.
    slider_.mouseDown(forms::kLeftButton, 0, 300, 225 + 300);
    slider_.mouseMove(forms::kLeftButton, 0, thumb() + 130, 225 + 450);  // a drag would give 79
    slider_.mouseMove(forms::kLeftButton, 0, 300, 225 + 450);
    slider_.mouseUp(forms::kLeftButton, 0, 300, 225 + 450);
    EXPECT_EQ(slider_.Value(), 76);

    auto click = [&](float x, float y) {
        slider_.mouseDown(forms::kLeftButton, 0, x, y);
        slider_.mouseUp(forms::kLeftButton, 0, x, y);
    };
    click(2100, 120);  // the fold arrow
    EXPECT_FALSE(slider_.DropDownCtrl());
    EXPECT_EQ(slider_.Height(), ucSlider::kFoldedHeight);
    click(2100, 120);  // the unfold arrow in its place
    EXPECT_TRUE(slider_.DropDownCtrl());
    EXPECT_EQ(slider_.Height(), ucSlider::kUnfoldedHeight);
    click(600, 120);  // the caption
    EXPECT_FALSE(slider_.DropDownCtrl());
}

TEST_F(SliderTest, FoldingByArrowsAndCaption) {
    const auto& p = slider_.parts();
    slider_.image1Click();
    EXPECT_FALSE(slider_.DropDownCtrl());
    EXPECT_FALSE(p.Image1.Visible);
    EXPECT_TRUE(p.Image2.Visible);
    EXPECT_EQ(slider_.Height(), 240);
    EXPECT_EQ(slider_.Width(), 2250);

    slider_.captionClick();
    EXPECT_TRUE(slider_.DropDownCtrl());
    EXPECT_TRUE(p.Image1.Visible);
    EXPECT_EQ(slider_.Height(), 825);

    slider_.DisableDropDown(true);
    EXPECT_FALSE(p.Image1.Visible);
    EXPECT_FALSE(p.Image2.Visible);
    slider_.captionClick();
    EXPECT_TRUE(slider_.DropDownCtrl());

    slider_.DropDownCtrl(false);  // a host may still fold it
    EXPECT_EQ(slider_.Height(), 240);
    EXPECT_FALSE(p.Image1.Visible);
    EXPECT_TRUE(p.Image2.Visible);

    slider_.Move(0, 0, 9000, 9000);
    EXPECT_EQ(slider_.Width(), 2250);
    EXPECT_EQ(slider_.Height(), 240);
}

TEST_F(SliderTest, BarColorSchemes) {
    const auto& seg = slider_.parts().Shape1;
    EXPECT_EQ(seg[0].FillColor, 0xC000u);  // the design colours until a scheme is set
    slider_.BarColor(1);
    EXPECT_EQ(seg[0].FillColor, gfx::rgb(250, 50, 50));
    EXPECT_EQ(seg[24].FillColor, gfx::rgb(130, 50, 50));
    slider_.BarColor(7);
    EXPECT_EQ(seg[24].FillColor, gfx::rgb(95, 95, 95));
    slider_.BarColor(0);
    EXPECT_EQ(seg[22].FillColor, 0xFFu);

    for (std::int32_t unknown : {9, -1}) {
        slider_.BarColor(unknown);
        EXPECT_EQ(slider_.BarColor(), unknown);
        EXPECT_EQ(seg[22].FillColor, 0xFFu);
    }
    EXPECT_THROW(slider_.BarColor(40000), base::BasicError);
    EXPECT_EQ(slider_.BarColor(), -1);
}

// The pictures under tests/fixtures/controls show the slider in a few states; each test run
// draws them again and compares. QV_WRITE_FIXTURES=1 writes them afresh instead.
TEST_F(SliderTest, PicturesOfTheSliderInAFewStates) {
    struct State {
        const char* file;
        std::function<void(ucSlider&)> set;
    };
    const State states[] = {
        {"slider_min.png", [](ucSlider& s) { s.Value(0); }},
        {"slider_half_value_shown.png", [](ucSlider& s) { s.Value(50); s.ValueHide(false); }},
        {"slider_max_scheme3.png", [](ucSlider& s) { s.BarColor(3); s.Value(100); }},
        {"slider_security_gauge.png", [](ucSlider& s) { s.Caption("Security Level"); s.Max(3); s.Value(2); s.BarColor(0); }},
        {"slider_folded.png", [](ucSlider& s) { s.Caption("Incoming Stats"); s.image1Click(); }},
    };
    const std::string folder = std::string(QV_FIXTURES) + "/controls";
    const bool write = std::getenv("QV_WRITE_FIXTURES") != nullptr;
    for (const auto& st : states) {
        SCOPED_TRACE(st.file);
        forms::Form form("frmPicture");
        ucSlider s(form, "ucSlider1");
        s.site();
        st.set(s);
        gfx::Canvas canvas = s.render(3);
        ASSERT_EQ(canvas.width(), 450);
        const std::string path = folder + "/" + st.file;
        if (write) {
            std::filesystem::create_directories(folder);
            ASSERT_TRUE(gfx::writePng(canvas, path));
            continue;
        }
        auto bytes = base::readFile(path);
        ASSERT_TRUE(bytes);
        auto image = gfx::decodePng(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
        ASSERT_TRUE(image);
        EXPECT_EQ(gfx::colourOf(*image), canvas);
    }
}

}  // namespace
}  // namespace qv::controls
