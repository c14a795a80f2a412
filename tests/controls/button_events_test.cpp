// isButton driven by real input on its window: the pointer, the mouse buttons and the keys go
// in at the window system's bottom and climb to the control.
#include <gtest/gtest.h>

#include <functional>

#include "button_test_host.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"

namespace qv::controls {
namespace {

class ButtonEventsTest : public testing::ButtonHostTest {
protected:
    ButtonEventsTest() {
        form_.Move(0, 0, 6000, 3000);
        a_.Move(300, 300, 1125, 345);
        b_.Move(1800, 300, 1125, 345);
        c_.Move(3300, 300, 1125, 345);
        for (isButton* x : {&a_, &b_, &c_}) watch(*x);
        form_.Show();
    }
    // The tooltip windows the buttons made; the form's own, which shows the tips its controls
    // keep (the host's ToolTipText), is not theirs.
    std::vector<gui::HWnd> tooltipWindows() const {
        std::vector<gui::HWnd> out;
        for (gui::HWnd h : ws_.allWindows())
            if (ws_.className(h) == gui::kTooltipClass && ws_.owner(h) != form_.hWnd()) out.push_back(h);
        return out;
    }

    isButton a_{form_, "cmdAllow"};
    isButton b_{form_, "cmdBlock"};
    isButton c_{form_, "cmdClose"};
};

TEST_F(ButtonEventsTest, EachButtonLivesInAChildWindowOfItsForm) {
    for (isButton* x : {&a_, &b_, &c_}) {
        ASSERT_NE(x->hWnd(), 0);
        EXPECT_EQ(ws_.parent(x->hWnd()), form_.hWnd());
        EXPECT_TRUE(ws_.isVisible(x->hWnd()));
        EXPECT_TRUE(x->hook().isHooked(x->hWnd()));
    }
    EXPECT_EQ(ws_.windowRect(a_.hWnd()).width(), 75);
    EXPECT_EQ(ws_.windowRect(a_.hWnd()).height(), 23);
    EXPECT_EQ(ws_.windowFromPoint(middleOf(b_)), b_.hWnd());
}

TEST_F(ButtonEventsTest, EnteringMakesTheButtonHotWithItsTooltipAndLeavingUndoesIt) {
    a_.ToolTipTitle("Allow");
    a_.ToolTipIcon(1);
    a_.Extender().ToolTipText("Let the program connect");
    moveTo(middleOf(a_));
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow MouseEnter"});
    EXPECT_EQ(a_.ButtonState(), kStateHot);
    EXPECT_TRUE(a_.pointerOver());
    ASSERT_NE(a_.tooltipWindow(), 0);
    EXPECT_EQ(ws_.owner(a_.tooltipWindow()), a_.hWnd());
    EXPECT_EQ(ws_.style(a_.tooltipWindow()), 67u) << "always, no prefix, balloon";
    const gui::TooltipState* tip = gui::tooltipState(ws_, a_.tooltipWindow());
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(tip->tools.size(), 1u);
    EXPECT_EQ(tip->tools[0].text, "Let the program connect");
    EXPECT_EQ(tip->tools[0].hwnd, a_.hWnd());
    EXPECT_EQ(tip->title, "Allow");
    EXPECT_EQ(tip->titleIcon, 1);
    EXPECT_EQ(a_.Extender().ToolTipText(), "") << "the host shows no tip of its own meanwhile";
    // The tip shows once the pointer rests after a move the tooltip sees.
    moveTo({middleOf(a_).x + 1, middleOf(a_).y});
    ws_.pumpFor(600);
    EXPECT_EQ(gui::tooltipState(ws_, a_.tooltipWindow())->shown, std::optional<std::size_t>(0));

    EXPECT_TRUE(takeEvents().empty()) << "further moves over the button change nothing";

    moveTo(offButtons());
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow MouseLeave"});
    EXPECT_EQ(a_.ButtonState(), kStateNormal);
    EXPECT_FALSE(a_.pointerOver());
    EXPECT_EQ(a_.tooltipWindow(), 0);
    EXPECT_TRUE(tooltipWindows().empty());
    EXPECT_EQ(a_.Extender().ToolTipText(), "Let the program connect");
}

TEST_F(ButtonEventsTest, ClicksByTheMouse) {
    struct Case {
        const char* name;
        std::function<void()> input;
        std::vector<std::string> events;
        int state;
    };
    const Case cases[] = {
        {"press and release over the button", [&] { moveTo(middleOf(a_)), press(), release(); },
         {"cmdAllow MouseEnter", "cmdAllow Click"}, kStateHot},
        // The release asks for the leave notice again, which comes at once with the pointer
        // outside: a second MouseLeave, and the look back to normal.
        {"pressed and dragged out, released outside",
         [&] { moveTo(middleOf(a_)), press(), moveTo(offButtons()), release(); },
         {"cmdAllow MouseEnter", "cmdAllow MouseLeave", "cmdAllow MouseLeave"}, kStateNormal},
        {"moves and release in one go after dragging out",
         [&] {
             moveTo(middleOf(a_)), press();
             ws_.mouseMoveTo(offButtons());
             ws_.mouseMoveTo({offButtons().x - 1, offButtons().y});
             release();
         },
         {"cmdAllow MouseEnter", "cmdAllow MouseLeave", "cmdAllow MouseLeave"}, kStateNormal},
        {"a double click",
         [&] { moveTo(middleOf(a_)), press(), release(), press(), release(); },
         {"cmdAllow MouseEnter", "cmdAllow Click", "cmdAllow Click"}, kStateHot},
        // The helpers of the forms' tests bring the pointer first, as a person does.
        {"a click given to the form at the button's point",
         [&] {
             const gfx::Rect r = a_.pixelRect();
             form_.injectClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
         },
         {"cmdAllow MouseEnter", "cmdAllow Click"}, kStateHot},
        {"the form's click on the control", [&] { form_.clickControl(a_); },
         {"cmdAllow MouseEnter", "cmdAllow Click"}, kStateHot},
        {"the right button",
         [&] {
             moveTo(middleOf(a_));
             ws_.mouseButtonDown(gui::MouseButton::Right);
             ws_.mouseButtonUp(gui::MouseButton::Right);
             ws_.doEvents();
         },
         {"cmdAllow MouseEnter"}, kStateHot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        moveTo(offButtons());
        clock_.advance(1000);  // no double click with the case before
        takeEvents();
        c.input();
        ws_.doEvents();  // what the release posted
        EXPECT_EQ(takeEvents(), c.events);
        EXPECT_EQ(a_.ButtonState(), c.state);
    }
}

TEST_F(ButtonEventsTest, APressShowsThePressedLookUntilTheRelease) {
    moveTo(middleOf(a_));
    press();
    EXPECT_EQ(a_.ButtonState(), kStatePressed);
    EXPECT_TRUE(a_.hasFocus()) << "a press takes the focus";
    EXPECT_EQ(form_.ActiveControl(), &a_);
    release();
    EXPECT_EQ(a_.ButtonState(), kStateHot);
}

TEST_F(ButtonEventsTest, Keys) {
    ws_.setFocus(a_.hWnd());
    ASSERT_TRUE(a_.hasFocus());
    ws_.keyDown(gui::VK_SPACE);
    ws_.doEvents();
    EXPECT_EQ(a_.ButtonState(), kStatePressed);
    ws_.keyUp(gui::VK_SPACE);
    ws_.doEvents();
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow Click"});
    EXPECT_EQ(a_.ButtonState(), kStateNormal);

    // Tab raises MouseLeave, leaves the look, and the focus goes on to the next button.
    ws_.keyPress(gui::VK_TAB);
    ws_.doEvents();
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow MouseLeave"});
    EXPECT_EQ(a_.ButtonState(), kStateNormal);
    EXPECT_EQ(ws_.focus(), b_.hWnd());
    EXPECT_FALSE(a_.hasFocus());
    EXPECT_TRUE(b_.hasFocus());

    struct Move {
        int key;
        isButton* to;
    };
    const Move moves[] = {{gui::VK_RIGHT, &c_}, {gui::VK_LEFT, &b_}, {gui::VK_DOWN, &c_}, {gui::VK_UP, &b_}};
    for (const Move& m : moves) {
        SCOPED_TRACE(m.key);
        ws_.keyPress(m.key);
        ws_.doEvents();  // the key, which types a Tab
        ws_.doEvents();  // the Tab
        EXPECT_EQ(ws_.focus(), m.to->hWnd());
        EXPECT_EQ(form_.ActiveControl(), m.to);
    }
}

TEST_F(ButtonEventsTest, TheAccessKeyClicks) {
    a_.accessKeyPress('A');
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow Click"});
    EXPECT_EQ(a_.ButtonState(), kStateNormal);
}

TEST_F(ButtonEventsTest, AToggleButtonClicksOnlyOnTheReleaseThatSetsItFree) {
    a_.ButtonType(1);
    moveTo(middleOf(a_));
    takeEvents();
    press(), release();
    EXPECT_TRUE(takeEvents().empty());
    EXPECT_TRUE(a_.Value());
    EXPECT_EQ(a_.ButtonState(), kStatePressed);
    clock_.advance(1000);
    press(), release();
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow Click"});
    EXPECT_FALSE(a_.Value());
    EXPECT_EQ(a_.ButtonState(), kStateHot);
}

TEST_F(ButtonEventsTest, DisablingAHotButton) {
    moveTo(middleOf(a_));
    a_.Enabled(false);
    EXPECT_EQ(a_.ButtonState(), kStateDisabled);
    EXPECT_FALSE(ws_.isEnabled(a_.hWnd()));
    a_.Enabled(true);
    EXPECT_EQ(a_.ButtonState(), kStateNormal);
    EXPECT_TRUE(ws_.isEnabled(a_.hWnd()));
}

// What runs while the release lets pending messages through may end the control; it then
// raises no Click.
TEST_F(ButtonEventsTest, NoClickFromAButtonEndedWhileItsReleaseWaited) {
    moveTo(middleOf(a_));
    press();
    ws_.mouseButtonUp(gui::MouseButton::Left);
    ws_.postMessage(form_.hWnd(), gui::WM_CLOSE);  // runs inside the release
    ws_.doEvents();
    EXPECT_FALSE(form_.loaded());
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"cmdAllow MouseEnter"});
}

TEST_F(ButtonEventsTest, NoClickFromAButtonDestroyedWhileItsReleaseWaited) {
    auto doomed = std::make_unique<isButton>(form_, "cmdDoomed");
    doomed->Move(300, 1200, 1125, 345);
    doomed->site();
    bool clicked = false;
    doomed->Click = [&] { clicked = true; };
    ws_.registerClass(gui::WindowClass{"Ender", [&](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l) {
                                           if (m == gui::WM_USER) doomed.reset();
                                           return ws_.defWindowProc(h, m, w, l);
                                       }});
    gui::CreateParams p;
    p.className = "Ender";
    const gui::HWnd ender = ws_.createWindow(p);
    moveTo(middleOf(*doomed));
    press();
    ws_.mouseButtonUp(gui::MouseButton::Left);
    ws_.postMessage(ender, gui::WM_USER);
    ws_.doEvents();
    EXPECT_EQ(doomed, nullptr);
    EXPECT_FALSE(clicked);
}

TEST_F(ButtonEventsTest, TooltipColoursAndKind) {
    a_.ToolTipType(0);
    a_.ToolTipForeColor(0);                // black: the system's colour stays
    a_.ToolTipBackColor(0x80000018);       // the system's tooltip background, translated
    moveTo(middleOf(a_));
    const gui::TooltipState* tip = gui::tooltipState(ws_, a_.tooltipWindow());
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ws_.style(a_.tooltipWindow()), 3u);
    EXPECT_FALSE(tip->textColor.has_value());
    EXPECT_EQ(tip->backColor, std::optional<std::uint32_t>(0xE1FFFF));
    EXPECT_TRUE(tip->title.empty());
}

// Setting the text at run time makes a tooltip at once; entering then keeps that text and the
// one tooltip window, and leaving gives the text back to the host.
TEST_F(ButtonEventsTest, TooltipTextSetAtRunTimeIsKept) {
    a_.ToolTipText("Block it");
    a_.ToolTipText("Block the program");
    EXPECT_EQ(a_.ToolTipText(), "Block the program");
    EXPECT_EQ(tooltipWindows().size(), 1u);
    moveTo(middleOf(a_));
    EXPECT_EQ(tooltipWindows().size(), 1u) << "the earlier tooltip window went first";
    ASSERT_NE(a_.tooltipWindow(), 0);
    EXPECT_EQ(gui::tooltipState(ws_, a_.tooltipWindow())->tools.at(0).text, "Block the program");
    moveTo(offButtons());
    EXPECT_EQ(a_.Extender().ToolTipText(), "Block the program");
    EXPECT_EQ(a_.ToolTipText(), "Block the program");
}

TEST_F(ButtonEventsTest, AHiddenOrDisabledButtonMakesNoTooltipWindow) {
    a_.Visible(false);
    a_.ToolTipText("Hidden");
    b_.Enabled(false);
    b_.ToolTipText("Disabled");
    EXPECT_EQ(a_.tooltipWindow(), 0);
    EXPECT_EQ(b_.tooltipWindow(), 0);
    EXPECT_TRUE(tooltipWindows().empty());
    // The text waits for the next time the pointer comes.
    a_.Visible(true);
    moveTo(middleOf(a_));
    ASSERT_NE(a_.tooltipWindow(), 0);
    EXPECT_EQ(gui::tooltipState(ws_, a_.tooltipWindow())->tools.at(0).text, "Hidden");
}

}  // namespace
}  // namespace qv::controls

namespace qv::controls {
namespace {

// A bare form away from the screen's corner: the button's window is a child of the form's,
// where the button lies on the screen, and input reaches it there.
class ButtonOnABareFormTest : public testing::ButtonEnvironmentTest {
protected:
    forms::Form form_{"frmBare"};
    isButton button_{form_, "cmdOk"};
};

TEST_F(ButtonOnABareFormTest, TheWindowLiesAtTheButtonsPlaceOnTheScreen) {
    form_.Move(1500, 750, 4500, 3000);
    button_.Move(300, 150, 1125, 345);
    form_.Show();
    const gui::HWnd h = button_.hWnd();
    ASSERT_NE(h, 0);
    EXPECT_EQ(ws_.parent(h), form_.hWnd());
    const int left = 100 + form_.borderPixels() + 20, top = 50 + form_.borderPixels() + form_.captionPixels() + 10;
    EXPECT_EQ(ws_.windowRect(h), (gui::Rect{left, top, left + 75, top + 23}));
    int clicks = 0;
    button_.Click = [&] { ++clicks; };
    ws_.mouseMoveTo({left + 30, top + 10});
    ws_.mouseButtonDown(gui::MouseButton::Left);
    ws_.mouseButtonUp(gui::MouseButton::Left);
    ws_.doEvents();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace qv::controls
