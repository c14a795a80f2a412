#include <gtest/gtest.h>

#include <vector>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class InputTest : public GuiTest {
protected:
    void moveTo(int x, int y) {
        ws_.mouseMoveTo(Point{x, y});
        ws_.doEvents();
    }
};

TEST_F(InputTest, WindowFromPointThroughZOrderVisibilityAndRegions) {
    HWnd back = top(0, 0, 100, 100);
    HWnd front = top(50, 50, 100, 100);
    // A ring: the region leaves a hole (10..29, 10..29) in the window's middle.
    HWnd ring = top(200, 0, 40, 40);
    ws_.setWindowRegion(ring,
                        gfx::Region::combine(gfx::Region::rect(0, 0, 40, 40),
                                             gfx::Region::rect(10, 10, 30, 30), gfx::CombineMode::Diff),
                        true);
    HWnd under = top(205, 5, 30, 30);  // below the ring, seen through its hole
    HWnd pinned = top(0, 0, 20, 20, WS_EX_TOPMOST);
    ws_.setForegroundWindow(back);  // to the top of the normal band, still below the topmost
    HWnd hidden = top(0, 0, 300, 300);
    ws_.showWindow(hidden, false);
    struct Case {
        Point p;
        HWnd expected;
    };
    for (const Case& c : {Case{{10, 10}, pinned}, Case{{60, 60}, back}, Case{{120, 120}, front},
                          Case{{201, 1}, ring}, Case{{215, 15}, under}, Case{{239, 39}, ring},
                          Case{{240, 40}, 0}, Case{{-1, 5}, 0}}) {
        EXPECT_EQ(ws_.windowFromPoint(c.p), c.expected) << c.p.x << "," << c.p.y;
    }
}

TEST_F(InputTest, WindowFromPointFindsTheDeepestChildButPassesDisabledOnes) {
    HWnd form = top(100, 100, 200, 200);
    HWnd frame = child(form, 10, 10, 100, 100);
    HWnd button = child(frame, 5, 5, 20, 20);
    child(frame, 50, 50, 20, 20, WS_VISIBLE | WS_DISABLED);
    HWnd shaped = child(form, 150, 150, 40, 40);
    ws_.setWindowRegion(shaped, gfx::Region::rect(0, 0, 10, 10), true);
    EXPECT_EQ(ws_.windowFromPoint({116, 116}), button);
    EXPECT_EQ(ws_.windowFromPoint({160, 160}), frame);
    EXPECT_EQ(ws_.windowFromPoint({165, 165}), frame);  // over the disabled child
    EXPECT_EQ(ws_.windowFromPoint({255, 255}), shaped);
    EXPECT_EQ(ws_.windowFromPoint({270, 270}), form);  // outside the child's region
    ws_.showWindow(frame, false);
    EXPECT_EQ(ws_.windowFromPoint({116, 116}), form);
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAndGoToTheCapture) {
    HWnd a = top(0, 0, 50, 50);
    HWnd b = top(100, 100, 50, 50);
    moveTo(110, 120);
    auto moves = seenOf(b, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(xOf(moves[0].l), 10);
    EXPECT_EQ(yOf(moves[0].l), 20);
    ws_.setCapture(a);
    ws_.mouseButtonDown(MouseButton::Left);
    ws_.doEvents();
    auto downs = seenOf(a, WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(xOf(downs[0].l), 110);
    EXPECT_EQ(downs[0].w & MK_LBUTTON, MK_LBUTTON);
    ws_.releaseCapture();
    EXPECT_EQ(seenOf(a, WM_CAPTURECHANGED).size(), 1u);
    ws_.mouseButtonUp(MouseButton::Left);
    ws_.doEvents();
    EXPECT_EQ(seenOf(b, WM_LBUTTONUP).size(), 1u);
}

// One WM_MOUSELEAVE once the pointer has left the tracked window, and no more without a new
// request; a request while the pointer is already elsewhere is answered at once.
TEST_F(InputTest, LeaveTracking) {
    HWnd form = top(0, 0, 200, 200);
    HWnd button = child(form, 10, 10, 50, 50);
    moveTo(20, 20);
    EXPECT_TRUE(ws_.trackMouseLeave(button));
    moveTo(30, 30);  // still over it
    EXPECT_TRUE(seenOf(button, WM_MOUSELEAVE).empty());
    moveTo(100, 100);
    moveTo(110, 110);
    moveTo(20, 20);
    moveTo(120, 120);
    EXPECT_EQ(seenOf(button, WM_MOUSELEAVE).size(), 1u);
    EXPECT_EQ(ws_.trackedWindow(), 0);
    ws_.trackMouseLeave(button);  // the pointer is on the form now
    ws_.doEvents();
    EXPECT_EQ(seenOf(button, WM_MOUSELEAVE).size(), 2u);
    // Moving onto a child of the tracked window leaves the window itself.
    HWnd inner = child(button, 5, 5, 10, 10);
    moveTo(12, 12);
    ws_.trackMouseLeave(button);
    moveTo(17, 17);
    EXPECT_EQ(ws_.windowFromPoint({17, 17}), inner);
    EXPECT_EQ(seenOf(button, WM_MOUSELEAVE).size(), 3u);
    // A cancelled request gives nothing.
    moveTo(12, 12);
    ws_.trackMouseLeave(button);
    ws_.cancelMouseLeave(button);
    moveTo(150, 150);
    EXPECT_EQ(seenOf(button, WM_MOUSELEAVE).size(), 3u);
}

TEST_F(InputTest, DoubleClickSequence) {
    HWnd h = top(0, 0, 100, 100);
    moveTo(10, 10);
    auto click = [&](MouseButton b) {
        ws_.mouseButtonDown(b);
        ws_.mouseButtonUp(b);
        ws_.doEvents();
    };
    auto buttonMessages = [&] {
        std::vector<MessageId> out;
        for (const auto& s : seen_) {
            if (s.hwnd == h && s.msg >= WM_LBUTTONDOWN && s.msg <= WM_MBUTTONDBLCLK) out.push_back(s.msg);
        }
        seen_.clear();
        return out;
    };
    click(MouseButton::Left);
    click(MouseButton::Left);
    click(MouseButton::Left);  // a third press starts over
    EXPECT_EQ(buttonMessages(), (std::vector<MessageId>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                                        WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    clock_.advance(1000);
    struct Case {
        const char* what;
        std::int64_t waitMs;
        Point second;
        MouseButton secondButton;
        MessageId expected;
    };
    for (const Case& c : {Case{"in time", 500, {11, 11}, MouseButton::Right, WM_RBUTTONDBLCLK},
                          Case{"too late", 501, {10, 10}, MouseButton::Right, WM_RBUTTONDOWN},
                          Case{"too far", 0, {13, 10}, MouseButton::Right, WM_RBUTTONDOWN},
                          Case{"other button", 0, {10, 10}, MouseButton::Middle, WM_MBUTTONDOWN}}) {
        moveTo(10, 10);
        click(MouseButton::Right);
        clock_.advance(c.waitMs);
        moveTo(c.second.x, c.second.y);
        click(c.secondButton);
        EXPECT_EQ(buttonMessages()[2], c.expected) << c.what;
        clock_.advance(1000);
    }
}

// The wheel goes to the focus window, or without one to the window under the pointer, with
// the signed delta in the high word and the pointer in screen coordinates.
TEST_F(InputTest, WheelTurnsReachTheFocusOrTheWindowUnderThePointer) {
    HWnd form = top(100, 100, 200, 200);
    HWnd slider = child(form, 10, 10, 50, 20, WS_VISIBLE | WS_TABSTOP);
    HWnd list = child(form, 10, 50, 50, 50);
    moveTo(120, 160);
    EXPECT_EQ(ws_.cursorPos(), (Point{120, 160}));
    ws_.mouseWheel(-WHEEL_DELTA);
    ws_.doEvents();
    auto turns = seenOf(list, WM_MOUSEWHEEL);
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_EQ(static_cast<std::int16_t>(hiWord(turns[0].w)), -WHEEL_DELTA);
    EXPECT_EQ(xOf(turns[0].l), 120);
    EXPECT_EQ(yOf(turns[0].l), 160);
    ws_.setFocus(slider);
    ws_.mouseWheel(2 * WHEEL_DELTA);
    ws_.doEvents();
    turns = seenOf(slider, WM_MOUSEWHEEL);
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_EQ(static_cast<std::int16_t>(hiWord(turns[0].w)), 2 * WHEEL_DELTA);
    EXPECT_EQ(seenOf(list, WM_MOUSEWHEEL).size(), 1u);
}

TEST_F(InputTest, FocusTabOrderAndKeys) {
    HWnd form = top(0, 0, 200, 200);
    HWnd first = child(form, 0, 0, 10, 10, WS_VISIBLE | WS_TABSTOP);
    HWnd frame = child(form, 20, 0, 100, 100);
    HWnd third = child(frame, 0, 0, 10, 10, WS_VISIBLE | WS_TABSTOP);
    HWnd second = child(form, 40, 0, 10, 10, WS_VISIBLE | WS_TABSTOP);
    HWnd off = child(form, 60, 0, 10, 10, WS_VISIBLE | WS_TABSTOP | WS_DISABLED);
    child(form, 80, 0, 10, 10, WS_VISIBLE);  // no tab stop
    ws_.setTabIndex(first, 0);
    ws_.setTabIndex(second, 1);
    ws_.setTabIndex(third, 2);
    ws_.setTabIndex(off, 3);

    EXPECT_EQ(ws_.setFocus(first), 0);
    EXPECT_EQ(ws_.activeWindow(), form);
    std::vector<HWnd> visited;
    for (int i = 0; i < 4; ++i) {
        ws_.keyPress(VK_TAB);
        ws_.doEvents();
        visited.push_back(ws_.focus());
    }
    EXPECT_EQ(visited, (std::vector<HWnd>{second, third, first, second}));
    ws_.keyDown(VK_SHIFT);
    ws_.keyPress(VK_TAB);
    ws_.keyUp(VK_SHIFT);
    ws_.doEvents();
    EXPECT_EQ(ws_.focus(), first);
    // The focus window got the keys, the letters with their characters.
    seen_.clear();
    ws_.keyPress('A');
    ws_.doEvents();
    auto chars = seenOf(first, WM_CHAR);
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].w, WParam('a'));
    EXPECT_EQ(seenOf(first, WM_KEYUP).size(), 1u);
    // A disabled window cannot take the focus; disabling the focus window takes it away.
    EXPECT_EQ(ws_.setFocus(off), 0);
    EXPECT_EQ(ws_.focus(), first);
    seen_.clear();
    ws_.enableWindow(first, false);
    EXPECT_EQ(ws_.focus(), 0);
    EXPECT_EQ(seenOf(first, WM_KILLFOCUS).size(), 1u);
}

// A press over a disabled child reaches neither the child nor the parent behind it.
TEST_F(InputTest, MouseInputOverADisabledChildIsDropped) {
    HWnd form = top(0, 0, 100, 100);
    HWnd off = child(form, 10, 10, 20, 20, WS_VISIBLE | WS_DISABLED);
    moveTo(15, 15);
    ws_.mouseButtonDown(MouseButton::Left);
    ws_.mouseButtonUp(MouseButton::Left);
    ws_.doEvents();
    for (HWnd h : {form, off}) {
        EXPECT_TRUE(seenOf(h, WM_MOUSEMOVE).empty());
        EXPECT_TRUE(seenOf(h, WM_LBUTTONDOWN).empty());
        EXPECT_TRUE(seenOf(h, WM_LBUTTONUP).empty());
    }
    moveTo(50, 50);
    EXPECT_EQ(seenOf(form, WM_MOUSEMOVE).size(), 1u);
}

// A disabled window cannot keep the mouse: disabling the window that holds the capture, or one
// it lies in, ends the capture, and the next press goes to the window under the pointer.
TEST_F(InputTest, DisablingTheWindowThatHoldsTheMouseEndsTheCapture) {
    HWnd form = top(0, 0, 100, 100);
    HWnd button = child(form, 10, 10, 20, 20);
    HWnd other = top(200, 0, 50, 50);
    struct Case {
        const char* name;
        HWnd disabled;
        HWnd capture;  // after it
    };
    for (const Case& c : {Case{"another window", other, button}, Case{"the window itself", button, 0},
                          Case{"the window it lies in", form, 0}}) {
        SCOPED_TRACE(c.name);
        ws_.setCapture(button);
        seen_.clear();
        ws_.enableWindow(c.disabled, false);
        EXPECT_EQ(ws_.capture(), c.capture);
        EXPECT_EQ(seenOf(button, WM_CAPTURECHANGED).size(), c.capture == 0 ? 1u : 0u);
        ws_.enableWindow(c.disabled, true);
    }
    ws_.releaseCapture();
    ws_.setCapture(button);
    ws_.enableWindow(form, false);
    moveTo(210, 10);
    ws_.mouseButtonDown(MouseButton::Left);
    ws_.doEvents();
    EXPECT_EQ(seenOf(other, WM_LBUTTONDOWN).size(), 1u);
}

// A presenter that knows the character a key types sends the key untranslated and the
// character on its own, any Windows-1252 byte; a key state set without a message counts for
// the keys handled after it.
TEST_F(InputTest, UntranslatedKeysTypedCharactersAndKeyStates) {
    HWnd form = top(0, 0, 100, 100);
    HWnd box = child(form, 0, 0, 50, 20, WS_VISIBLE | WS_TABSTOP);
    ws_.setFocus(box);
    ws_.keyDown('E', false);
    ws_.typeChar(0xE9);
    ws_.keyUp('E');
    ws_.doEvents();
    const auto chars = seenOf(box, WM_CHAR);
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].w, WParam(0xE9));
    EXPECT_EQ(seenOf(box, WM_KEYDOWN).size(), 1u);
    ws_.setKeyState(VK_SHIFT, true);
    EXPECT_TRUE(ws_.isKeyDown(VK_SHIFT));
    ws_.setKeyState(VK_SHIFT, false);
    EXPECT_FALSE(ws_.isKeyDown(VK_SHIFT));
    EXPECT_EQ(seenOf(box, WM_KEYDOWN).size(), 1u) << "no message for a state";
}

TEST_F(InputTest, TopmostBandAndZOrderRelations) {
    HWnd a = top(0, 0, 10, 10);
    HWnd b = top(0, 0, 10, 10);
    HWnd pinned = top(0, 0, 10, 10, WS_EX_TOPMOST);
    HWnd c = top(0, 0, 10, 10);  // new windows open at the top of their band
    EXPECT_EQ(ws_.topLevelWindows(), (std::vector<HWnd>{pinned, c, b, a}));
    ws_.setWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(ws_.isTopmost(a));
    EXPECT_EQ(ws_.topLevelWindows(), (std::vector<HWnd>{a, pinned, c, b}));
    ws_.setWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ws_.topLevelWindows(), (std::vector<HWnd>{a, pinned, c, b}));
    EXPECT_FALSE(ws_.isTopmost(pinned));
    ws_.setForegroundWindow(b);  // the top of the normal band, not above a topmost window
    EXPECT_EQ(ws_.topLevelWindows(), (std::vector<HWnd>{a, b, pinned, c}));
    EXPECT_EQ(ws_.getWindow(pinned, GW_HWNDPREV), b);
    EXPECT_EQ(ws_.getWindow(pinned, GW_HWNDNEXT), c);
    EXPECT_EQ(ws_.getWindow(c, GW_HWNDNEXT), 0);
    EXPECT_EQ(ws_.getWindow(c, GW_HWNDFIRST), a);
}

TEST_F(InputTest, MoveAndSizeSendTheirMessages) {
    HWnd h = top(0, 0, 10, 10);
    ws_.moveWindow(h, 5, 5, 10, 10);
    ws_.moveWindow(h, 5, 5, 30, 40);
    auto sizes = seenOf(h, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(loWord(WParam(sizes[0].l)), 30);
    EXPECT_EQ(hiWord(WParam(sizes[0].l)), 40);
    EXPECT_EQ(seenOf(h, WM_MOVE).size(), 1u);
    EXPECT_EQ(ws_.windowRect(h), (Rect{5, 5, 35, 45}));
    HWnd c = child(h, 2, 3, 4, 4);
    EXPECT_EQ(ws_.windowRect(c), (Rect{7, 8, 11, 12}));
    EXPECT_EQ(ws_.screenToClient(c, {10, 10}), (Point{3, 2}));
}

}  // namespace
}  // namespace qv::gui::testing
