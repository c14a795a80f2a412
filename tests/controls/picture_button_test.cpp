#include "controls/picture_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/hosting/property_bag.h"
#include "platform/forms/runtime.h"
#include "platform/gfx/picture.h"
#include "platform/gui/window_system.h"
#include "tests/ui/input.h"

namespace qv::controls {
namespace {

forms::PictureRef face(int width, int height, gfx::Colour colour) {
    return gfx::Picture::bitmap(gfx::Canvas(width, height, colour));
}

// A shown window at the screen's corner holding one picture button at (30, 20) pixels.
class Host : public forms::Form {
public:
    Host() : Form("frmHost") {
        BorderStyle(0);
        Move(0, 0, 3000, 2000);
    }
    PictureButton Button{*this, "Button"};
};

class PictureButtonTest : public ::testing::Test {
protected:
    PictureButtonTest() {
        forms::Load(host_);
        host_.Show();
        b.Move(450, 300, 1000, 1000);
        b.Picture(rest_);
        b.PictureHover(hover_);
        b.PictureDown(down_);
        b.MouseDown = [this](int button, int shift, float x, float y) { note("down", button, shift, x, y); };
        b.MouseMove = [this](int button, int, float, float) { events.push_back("move " + std::to_string(button)); };
        b.MouseUp = [this](int button, int shift, float x, float y) { note("up", button, shift, x, y); };
        b.Click = [this] { events.push_back("click"); };
        b.DblClick = [this] { events.push_back("dblclick"); };
        b.MouseEnter = [this] { events.push_back("enter"); };
        b.MouseLeave = [this] { events.push_back("leave"); };
        pointer_.moveTo(200, 150);  // away from the button
        events.clear();
    }
    ~PictureButtonTest() override {
        forms::Unload(host_);
        forms::resetRuntime();
    }
    void note(const char* what, int button, int shift, float x, float y) {
        events.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                         std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
    // The pointer over the button's middle, or off it to the right.
    void over() { pointer_.moveTo(30 + 12, 20 + 9); }
    void off() { pointer_.moveTo(200, 150); }
    std::vector<std::string> take() {
        auto out = events;
        events.clear();
        return out;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    const forms::PictureRef rest_ = face(24, 18, gfx::rgb(0, 0, 200));
    const forms::PictureRef hover_ = face(24, 18, gfx::rgb(0, 200, 0));
    const forms::PictureRef down_ = face(24, 18, gfx::rgb(200, 0, 0));
    Host host_;
    PictureButton& b = host_.Button;
    ui::testing::Pointer pointer_;
    std::vector<std::string> events;
};

TEST_F(PictureButtonTest, TakesTheSizeOfItsPictureAndShowsIt) {
    EXPECT_EQ(b.Width(), 24 * 15);
    EXPECT_EQ(b.Height(), 18 * 15);
    EXPECT_EQ(b.face(), rest_);
    EXPECT_EQ(b.surface().pixel(5, 5), gfx::rgb(0, 0, 200));
    // The host cannot give it another size.
    b.Width(3000);
    EXPECT_EQ(b.Width(), 24 * 15);
    // Setting another state's picture repaints with the current state's.
    b.PictureHover(face(40, 30, gfx::rgb(9, 9, 9)));
    EXPECT_EQ(b.face(), rest_);
    EXPECT_EQ(b.Width(), 24 * 15);
    // A picture of another size resizes the control.
    b.Picture(face(30, 10, gfx::rgb(1, 2, 3)));
    EXPECT_EQ(b.Width(), 30 * 15);
    EXPECT_EQ(b.Height(), 10 * 15);
}

TEST_F(PictureButtonTest, StatesFollowThePointerAndTheButtons) {
    struct Step {
        const char* what;
        std::function<void()> act;
        forms::PictureRef face;
        std::vector<std::string> events;
    };
    const Step steps[] = {
        {"pointer onto it", [&] { over(); }, hover_, {"move 0", "enter"}},
        {"moving on over it", [&] { pointer_.moveTo(30 + 14, 20 + 10); }, hover_, {"move 0"}},
        {"right press", [&] { pointer_.press(forms::kRightButton); }, hover_, {"down 2 0 210,150"}},
        {"right release", [&] { pointer_.release(forms::kRightButton); }, hover_, {"up 2 0 210,150", "click"}},
        {"left press", [&] { pointer_.press(); }, down_, {"down 1 0 210,150"}},
        {"left release inside", [&] { pointer_.release(); }, hover_, {"up 1 0 210,150", "click"}},
        // The move off reaches the window beneath; the button's timer sees that it left.
        {"pointer off", [&] { off(); }, hover_, {}},
        {"one tick later", [&] { forms::advance(1); }, rest_, {"leave"}},
        {"the timer has stopped", [&] { forms::advance(50); }, rest_, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(b.face(), s.face);
        EXPECT_EQ(take(), s.events);
    }
}

TEST_F(PictureButtonTest, ALeftDragEntersAgainWithoutALeave) {
    over();
    pointer_.press();
    pointer_.moveTo(30 + 13, 20 + 9);  // held: pressed, and the hover flag cleared again
    EXPECT_EQ(b.face(), down_);
    EXPECT_FALSE(b.hovering());
    pointer_.release();
    take();
    pointer_.moveTo(30 + 12, 20 + 8);
    EXPECT_EQ(take(), (std::vector<std::string>{"move 0", "enter"}));
}

TEST_F(PictureButtonTest, DraggingOffWithTheButtonHeldShowsTheRestingFace) {
    over();
    pointer_.press();
    off();  // the button keeps the mouse while it is held
    EXPECT_EQ(b.face(), rest_);
    EXPECT_EQ(take().back(), "move 1");
    pointer_.release();
    EXPECT_EQ(b.face(), rest_);
    EXPECT_EQ(take().front(), "up 1 0 2550,1950");
}

TEST_F(PictureButtonTest, KeepsItsPicturesInThePropertyBag) {
    forms::PropertyBag bag = b.saveProperties();
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"Picture", "PictureHover", "PictureDown"}));
    b.PictureHover(nullptr);
    b.PictureDown(nullptr);
    bag = b.saveProperties();
    EXPECT_EQ(bag.keys(), std::vector<std::string>{"Picture"});
    EXPECT_EQ(b.changedProperties().back(), "PictureDown");
}

}  // namespace
}  // namespace qv::controls
