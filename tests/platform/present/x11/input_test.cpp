// The person's input on the program's X windows reaches the window under the pointer, or the
// focus window, in the window system.
#include <gtest/gtest.h>

#include "tests/platform/present/x11/presenter_fixture.h"

// After the presenter's Xlib, which takes back the macros that clash with the program's names.
#include <X11/extensions/XTest.h>

namespace qv::present::x11::testing {
namespace {

constexpr gfx::Colour kGrey = gfx::rgb(192, 192, 192);

TEST_F(PresenterTest, AClickReachesTheWindowUnderItInItsClientCoordinates) {
    const gui::HWnd form = make("Clicks", {400, 400, 560, 500}, kGrey);
    const gui::HWnd box = make("", {20, 30, 60, 50}, kGrey, gui::WS_CHILD | gui::WS_VISIBLE, 0, form);
    showAndWait(form);
    screen_.click(400 + 25, 400 + 35);
    ASSERT_TRUE(pumpUntil([&] { return !seenOf(box, gui::WM_LBUTTONUP).empty(); }));
    const auto downs = seenOf(box, gui::WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(gui::xOf(downs[0].l), 5);
    EXPECT_EQ(gui::yOf(downs[0].l), 5);
    EXPECT_TRUE(seenOf(form, gui::WM_LBUTTONDOWN).empty());
    // The right button, the wheel and a second left press soon after: a double click.
    screen_.click(400 + 100, 400 + 80, 3);
    screen_.button(4, true);
    screen_.button(4, false);
    screen_.click(400 + 26, 400 + 35);
    screen_.click(400 + 26, 400 + 35);
    ASSERT_TRUE(pumpUntil([&] { return !seenOf(box, gui::WM_LBUTTONDBLCLK).empty(); }));
    EXPECT_EQ(seenOf(form, gui::WM_RBUTTONUP).size(), 1u);
    const auto wheel = seenOf(form, gui::WM_MOUSEWHEEL);
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(std::int16_t(gui::hiWord(wheel[0].w)), gui::WHEEL_DELTA);
}

TEST_F(PresenterTest, KeysTypedArriveAtTheFocusWindowWithTheirCharacters) {
    const gui::HWnd form = make("Keys", {600, 400, 700, 460}, kGrey);
    showAndWait(form);
    ws_.setFocus(form);
    XSetInputFocus(screen_.display(), xOf(form), RevertToParent, CurrentTime);
    screen_.key(XK_Shift_L, true);
    screen_.key(XK_a, true);
    screen_.key(XK_a, false);
    screen_.key(XK_Shift_L, false);
    screen_.key(XK_b, true);
    screen_.key(XK_b, false);
    screen_.key(XK_Left, true);
    screen_.key(XK_Left, false);
    ASSERT_TRUE(pumpUntil([&] { return seenOf(form, gui::WM_KEYUP).size() >= 4; }));
    std::vector<gui::WParam> downs, chars;
    for (const Seen& s : seenOf(form, gui::WM_KEYDOWN)) downs.push_back(s.w);
    for (const Seen& s : seenOf(form, gui::WM_CHAR)) chars.push_back(s.w);
    EXPECT_EQ(downs, (std::vector<gui::WParam>{gui::WParam(gui::VK_SHIFT), 'A', 'B', gui::WParam(gui::VK_LEFT)}));
    EXPECT_EQ(chars, (std::vector<gui::WParam>{'A', 'b'}));
}

// A key the layout gives a character outside ASCII: the character arrives in Windows-1252,
// typed without a virtual-key code of its own.
TEST_F(PresenterTest, AKeyOfAnotherLayoutTypesItsCharacter) {
    ::Display* dpy = screen_.display();
    int low = 0, high = 0;
    XDisplayKeycodes(dpy, &low, &high);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(dpy, KeyCode(high), 1, &perCode);
    std::vector<KeySym> saved(map, map + perCode);
    XFree(map);
    std::vector<KeySym> eacute(std::size_t(perCode), XK_eacute);
    XChangeKeyboardMapping(dpy, high, perCode, eacute.data(), 1);
    XSync(dpy, False);

    const gui::HWnd form = make("Layout", {600, 500, 700, 560}, kGrey);
    showAndWait(form);
    ws_.setFocus(form);
    XSetInputFocus(dpy, xOf(form), RevertToParent, CurrentTime);
    ws_.pumpFor(50);  // the presenter hears of the new layout
    XTestFakeKeyEvent(dpy, unsigned(high), True, CurrentTime);
    XTestFakeKeyEvent(dpy, unsigned(high), False, CurrentTime);
    XFlush(dpy);
    const bool typed = pumpUntil([&] { return !seenOf(form, gui::WM_CHAR).empty(); });
    XChangeKeyboardMapping(dpy, high, perCode, saved.data(), 1);
    XSync(dpy, False);
    ASSERT_TRUE(typed);
    EXPECT_EQ(seenOf(form, gui::WM_CHAR)[0].w, 0xE9u);
    EXPECT_TRUE(seenOf(form, gui::WM_KEYDOWN).empty());
}

TEST_F(PresenterTest, CaptureGrabsThePointerForTheCapturingWindow) {
    const gui::HWnd form = make("Capture", {800, 400, 900, 460}, kGrey);
    showAndWait(form);
    ws_.setCapture(form);
    ws_.pumpFor(10);
    // While the program holds the pointer, no other client can grab it.
    EXPECT_EQ(XGrabPointer(screen_.display(), screen_.root(), False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                           kNone, kNone, CurrentTime),
              AlreadyGrabbed);
    // A press far from the window still comes to it.
    screen_.click(100, 900);
    ASSERT_TRUE(pumpUntil([&] { return !seenOf(form, gui::WM_LBUTTONUP).empty(); }));
    ws_.releaseCapture();
    ws_.pumpFor(10);
    EXPECT_EQ(XGrabPointer(screen_.display(), screen_.root(), False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                           kNone, kNone, CurrentTime),
              GrabSuccess);
    XUngrabPointer(screen_.display(), CurrentTime);
}

}  // namespace
}  // namespace qv::present::x11::testing
