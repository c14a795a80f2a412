// A small form in its window, driven the way a person drives it: input at points of the screen
// goes through the window system to the control's window and becomes the control's events;
// what a property changes is painted again in the window's surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/form.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_observer.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr int kTw = kTwipsPerPixel;

template <class C>
void place(C& c, int x, int y, int w, int h) {
    c.Move(x * kTw, y * kTw, w * kTw, h * kTw);
}

class ucHooked : public UserControl {
public:
    using UserControl::UserControl;
    std::string_view kind() const override { return "ucHooked"; }
    int moves = 0, leaves = 0;

protected:
    void UserControl_MouseMove(int, int, float, float) override { ++moves; }
    void UserControl_MouseLeave() override { ++leaves; }
};

// A captioned window at (100, 50) on the screen, so screen, window and client points differ.
class frmWindowed : public Form {
public:
    frmWindowed() : Form("frmWindowed") {
        BorderStyle(1);
        Caption("Windowed");
        Move(100 * kTw, 50 * kTw, 300 * kTw, 200 * kTw);
        place(Check1, 10, 10, 100, 17);
        Check1.Caption("Allow all");
        Check1.ToolTipText("check tip");
        place(Text1, 10, 40, 100, 21);
        place(lvRules, 120, 10, 160, 80);
        place(List1, 120, 100, 80, 60);
        place(ucHook, 10, 100, 60, 40);
        place(Label1, 10, 150, 80, 17);
        Label1.ToolTipText("label tip");
        Check1.Click = [this] { ++checkClicks; };
        Text1.Change = [this] { ++textChanges; };
        lvRules.MouseMove = [this](int, int, float x, float) { lvMovesX.push_back(x); };
        lvRules.Click = [this] { ++lvClicks; };
        lvRules.ColumnHeaders().Add(-1, "", "Application", 150 * kTw);
        for (const char* key : {"a", "b", "c"}) lvRules.ListItems().Add(-1, key, key);
        for (int i = 0; i < 20; ++i) List1.AddItem("item " + std::to_string(i));
    }
    void Form_Click() override { ++formClicks; }

    CheckBox Check1{*this, "Check1"};
    TextBox Text1{*this, "Text1"};
    ListView lvRules{*this, "lvRules"};
    ListBox List1{*this, "List1"};
    ucHooked ucHook{*this, "ucHook"};
    Label Label1{*this, "Label1"};
    int checkClicks = 0, textChanges = 0, lvClicks = 0, formClicks = 0;
    std::vector<float> lvMovesX;
};

struct PaintRecorder : gui::WindowObserver {
    std::vector<gfx::Rect> painted;
    void topLevelChanged(gui::HWnd, unsigned) override {}
    void surfaceChanged(gui::HWnd, const gfx::Region& area) override { painted.push_back(area.bounds()); }
};

class WindowInput : public ::testing::Test {
protected:
    WindowInput() {
        Load(f);
        f.Show();
        ws_.doEvents();
    }
    ~WindowInput() override { resetForms(); }

    // A point of a control on the screen, dx and dy pixels in from its top left corner.
    gui::Point at(const Control& c, int dx, int dy) const {
        const gfx::Rect r = c.pixelRect();
        return ws_.clientToScreen(f.hWnd(), {r.left + dx, r.top + dy});
    }
    void moveTo(gui::Point p) {
        ws_.mouseMoveTo(p);
        ws_.doEvents();
    }
    void press(gui::MouseButton b = gui::MouseButton::Left) {
        ws_.mouseButtonDown(b);
        ws_.doEvents();
    }
    void release(gui::MouseButton b = gui::MouseButton::Left) {
        ws_.mouseButtonUp(b);
        ws_.doEvents();
    }
    void clickAt(gui::Point p) {
        moveTo(p);
        press();
        release();
        clock_.advance(gui::WindowSystem::kDoubleClickMs + 1);
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    frmWindowed f;
};

TEST_F(WindowInput, AClickAtAScreenPointTogglesTheCheckBoxThere) {
    const gui::Point p = at(f.Check1, 5, 8);
    EXPECT_EQ(ws_.windowFromPoint(p), f.Check1.hWnd());
    EXPECT_EQ(ws_.parent(f.Check1.hWnd()), f.hWnd());
    clickAt(p);
    EXPECT_EQ(f.Check1.Value(), 1);
    EXPECT_EQ(f.checkClicks, 1);
    EXPECT_EQ(ws_.focus(), f.Check1.hWnd()) << "a left press gives the box the focus";
    EXPECT_EQ(f.ActiveControl(), &f.Check1);
    // A second click in double-click time is one more click for a check box.
    moveTo(p);
    press();
    release();
    press();
    release();
    EXPECT_EQ(f.Check1.Value(), 1);
    EXPECT_EQ(f.checkClicks, 3);
    // Pressed on the box and released off it: no click.
    clock_.advance(1000);
    press();
    moveTo(at(f.Text1, 5, 5));
    release();
    EXPECT_EQ(f.checkClicks, 3);
    EXPECT_EQ(f.formClicks, 0);
}

TEST_F(WindowInput, TypingIntoTheFocusedTextBoxKeepsTheWindows1252Bytes) {
    clickAt(at(f.Text1, 5, 5));
    ASSERT_EQ(ws_.focus(), f.Text1.hWnd());
    for (unsigned char c : std::string("Gr\xFC\xDF")) ws_.typeChar(c);
    ws_.doEvents();
    EXPECT_EQ(f.Text1.Text(), "Gr\xFC\xDF");
    EXPECT_EQ(f.textChanges, 4);
    ws_.keyPress(gui::VK_BACK);
    ws_.keyPress('E');  // the key's own character
    ws_.doEvents();
    EXPECT_EQ(f.Text1.Text(), "Gr\xFC" "e");
    EXPECT_EQ(f.textChanges, 6);
    // Tab moves the focus on and types nothing.
    ws_.keyPress(gui::VK_TAB);
    ws_.doEvents();
    EXPECT_NE(ws_.focus(), f.Text1.hWnd());
    EXPECT_EQ(f.Text1.Text(), "Gr\xFC" "e");
}

TEST_F(WindowInput, ADragOutOfTheListViewKeepsTheMouseUntilTheButtonComesUp) {
    const int row1 = 2 + ListView::kHeaderPixels + ListView::kRowPixels + 4;
    moveTo(at(f.lvRules, 20, row1));
    press();
    EXPECT_EQ(f.lvRules.SelectedItem(), &f.lvRules.ListItems()("b"));
    EXPECT_EQ(ws_.capture(), f.lvRules.hWnd());
    f.lvMovesX.clear();
    moveTo(at(f.Check1, 5, 5));  // over another control of the form
    moveTo({5, 5});              // off the window
    ASSERT_EQ(f.lvMovesX.size(), 2u) << "both moves reach the list view";
    EXPECT_LT(f.lvMovesX[0], 0.0f) << "in its own coordinates, left of it";
    EXPECT_EQ(ws_.capture(), f.lvRules.hWnd());
    release();
    EXPECT_EQ(ws_.capture(), 0);
    EXPECT_EQ(f.lvClicks, 0) << "released away from it";
    EXPECT_EQ(f.checkClicks, 0);
    clock_.advance(gui::WindowSystem::kDoubleClickMs + 1);
    clickAt(at(f.lvRules, 20, row1));
    EXPECT_EQ(f.lvClicks, 1);
}

// A click's handler may wait in a nested run of the loop (a message box, a long run letting
// messages through); the released window has let the mouse go by then, so a person's click
// meanwhile reaches the control under the pointer, whether the first lies on a window of its own
// or on the form's.
TEST_F(WindowInput, AClickDuringAClickHandlersNestedLoopReachesTheControlUnderThePointer) {
    std::vector<std::string> clicks;
    struct Case {
        const char* name;
        Control* first;
        Control* second;
    };
    const Case cases[] = {{"from the check box to the list view", &f.Check1, &f.lvRules},
                          {"from the label to the check box", &f.Label1, &f.Check1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks.clear();
        c.second->Click = [&, second = c.second] { clicks.push_back(second->Name()); };
        c.first->Click = [&, c] {
            clicks.push_back(c.first->Name());
            clickAt(at(*c.second, 5, 5));
        };
        clickAt(at(*c.first, 5, 5));
        EXPECT_EQ(clicks, (std::vector<std::string>{c.first->Name(), c.second->Name()}));
        EXPECT_EQ(ws_.capture(), 0);
    }
}

TEST_F(WindowInput, TheWheelScrollsTheListUnderThePointer) {
    moveTo(at(f.List1, 10, 10));
    ws_.setFocus(0);
    ws_.mouseWheel(-gui::WHEEL_DELTA);
    ws_.doEvents();
    EXPECT_EQ(f.List1.TopIndex(), 3) << "three rows a notch";
    clickAt(at(f.List1, 10, 10));  // the focus: the wheel goes there wherever the pointer is
    moveTo(at(f.Check1, 5, 5));
    ws_.mouseWheel(-2 * gui::WHEEL_DELTA);
    ws_.doEvents();
    EXPECT_EQ(f.List1.TopIndex(), 9);
    ws_.mouseWheel(10 * gui::WHEEL_DELTA);
    ws_.doEvents();
    EXPECT_EQ(f.List1.TopIndex(), 0) << "the first row stays on the list";
}

// The message hook the owner-drawn button installs on its own window: it sees the pointer's
// moves, asks for leave tracking and hears the pointer leave.
TEST_F(WindowInput, AHookOnAUserControlsWindowSeesMovesAndTheLeave) {
    const gui::HWnd h = f.ucHook.hWnd();
    ASSERT_NE(h, 0);
    EXPECT_EQ(ws_.parent(h), f.hWnd());
    std::vector<gui::MessageId> seen;
    ws_.setWindowSubclass(h, 1, [&](gui::HWnd w, gui::MessageId m, gui::WParam wp, gui::LParam lp, std::uintptr_t,
                                    std::intptr_t) {
        if (m == gui::WM_MOUSEMOVE || m == gui::WM_MOUSELEAVE) seen.push_back(m);
        if (m == gui::WM_MOUSEMOVE) ws_.trackMouseLeave(w);
        return ws_.defSubclassProc(w, m, wp, lp);
    });
    moveTo(at(f.ucHook, 5, 5));
    moveTo(at(f.ucHook, 6, 6));
    EXPECT_EQ(seen, (std::vector<gui::MessageId>{gui::WM_MOUSEMOVE, gui::WM_MOUSEMOVE}));
    EXPECT_EQ(f.ucHook.moves, 2) << "the hook passes the moves on to the control";
    moveTo(at(f.Label1, 5, 5));
    EXPECT_EQ(seen.back(), gui::WM_MOUSELEAVE);
    EXPECT_EQ(f.ucHook.leaves, 1);
}

TEST_F(WindowInput, WindowFromPointPassesThroughWhatARegionLeavesOut) {
    f.ucHook.setWindowRegion(gfx::Region::rect(0, 0, 20, 20));
    EXPECT_EQ(ws_.windowFromPoint(at(f.ucHook, 5, 5)), f.ucHook.hWnd());
    const gui::Point cutAway = at(f.ucHook, 40, 30);  // inside its rectangle, outside its shape
    EXPECT_EQ(ws_.windowFromPoint(cutAway), f.hWnd());
    clickAt(cutAway);
    EXPECT_EQ(f.formClicks, 1) << "the click goes to the form beneath";
    // A shaped form passes the points it leaves out to the window below it.
    class frmBelow : public Form {
    public:
        frmBelow() : Form("frmBelow") {
            BorderStyle(0);
            Move(0, 0, 500 * kTw, 400 * kTw);
        }
    } below;
    Load(below);
    below.Show();
    ws_.setForegroundWindow(f.hWnd());
    f.setWindowRegion({});
    EXPECT_EQ(ws_.windowFromPoint({102, 52}), f.hWnd());
    ws_.setWindowRegion(f.hWnd(), gfx::Region::rect(10, 10, 300, 200), true);
    EXPECT_EQ(ws_.windowFromPoint({102, 52}), below.hWnd());
    Unload(below);
}

TEST_F(WindowInput, ToolTipTextShowsOverWindowedAndWindowlessControls) {
    auto restAt = [&](gui::Point p) -> std::string {
        moveTo(p);
        ws_.pumpFor(gui::kTooltipInitialMs + 10);
        const gui::HWnd tip = f.toolTipWindow();
        const gui::TooltipState* st = gui::tooltipState(ws_, tip);
        if (st == nullptr || !st->shown || !ws_.isVisible(tip)) return "";
        return st->tools[*st->shown].text;
    };
    EXPECT_EQ(restAt(at(f.Check1, 5, 5)), "check tip");
    EXPECT_EQ(restAt(at(f.Label1, 5, 5)), "label tip");
    EXPECT_EQ(ws_.owner(f.toolTipWindow()), f.hWnd());
    f.Label1.ToolTipText("");
    EXPECT_EQ(restAt(at(f.Label1, 6, 6)), "");
    // A control that moves takes its tip along.
    f.Check1.Move(f.Check1.Left(), 170 * kTw, f.Check1.Width(), f.Check1.Height());
    EXPECT_EQ(restAt(at(f.Check1, 5, 5)), "check tip");
}

// The frame the form draws itself: its caption bar drags the window, its close box closes the
// form as the title bar's close box does.
TEST_F(WindowInput, TheCaptionBarDragsTheWindowAndTheCloseBoxClosesTheForm) {
    const gui::Rect placed = ws_.windowRect(f.hWnd());
    moveTo({placed.left + 40, placed.top + 10});
    press();
    moveTo({placed.left + 70, placed.top + 30});
    release();
    EXPECT_EQ(ws_.windowRect(f.hWnd()).left, placed.left + 30);
    EXPECT_EQ(ws_.windowRect(f.hWnd()).top, placed.top + 20);
    EXPECT_EQ(f.Left(), (100 + 30) * kTw) << "the form's place follows its window";
    EXPECT_EQ(f.formClicks, 0);
    const gui::Rect moved = ws_.windowRect(f.hWnd());
    // The close box: two pixels in from the end of the caption bar, inside the 4-pixel border.
    moveTo({moved.right - 4 - 2 - 6, moved.top + 4 + 8});
    press();
    EXPECT_TRUE(f.loaded()) << "the close box closes on the release";
    release();
    EXPECT_FALSE(f.loaded());
}

// Painting goes down: a property marks the control's window, and the next pass paints that
// window alone into the form's surface.
TEST_F(WindowInput, APropertyChangeRepaintsTheControlsWindowOnly) {
    PaintRecorder seen;
    ws_.setObserver(&seen);
    const gfx::Rect box = ws_.windowRect(f.Check1.hWnd());
    const gfx::Rect form = ws_.windowRect(f.hWnd());
    const gfx::Rect onSurface{box.left - form.left, box.top - form.top, box.right - form.left, box.bottom - form.top};
    // The mark's lowest pixel inside the box's sunken border (the box is centred in 17 rows).
    const int mx = onSurface.left + 5, my = onSurface.top + 2 + 9;
    EXPECT_EQ(ws_.surface(f.hWnd())->pixel(mx, my), gfx::sysColour(gfx::kColourWindow));
    f.Check1.Value(1);
    ws_.doEvents();
    ws_.setObserver(nullptr);
    ASSERT_EQ(seen.painted.size(), 1u);
    EXPECT_EQ(seen.painted[0], onSurface);
    EXPECT_EQ(ws_.surface(f.hWnd())->pixel(mx, my), gfx::sysColour(gfx::kColourWindowText));
}

}  // namespace
}  // namespace qv::forms
