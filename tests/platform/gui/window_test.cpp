// What a window keeps: handle, class, caption, styles, user data, parent and owner, visibility
// and enabled state through its parents; and how the single-instance search finds one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class WindowTest : public GuiTest {};

TEST_F(WindowTest, AWindowKeepsWhatItWasCreatedWithAndWhatIsSetLater) {
    ws_.registerClass(WindowClass{"ThunderRT6Main", {}});
    EXPECT_FALSE(ws_.registerClass(WindowClass{"thunderrt6main", {}}));  // names ignore case
    CreateParams p;
    p.className = "THUNDERRT6MAIN";
    p.text = "Quarvelin";
    p.style = WS_POPUP;
    p.exStyle = WS_EX_TOPMOST;
    p.x = 10;
    p.y = 20;
    p.width = 300;
    p.height = 200;
    const HWnd h = ws_.createWindow(p);
    ASSERT_NE(h, 0);
    EXPECT_EQ(ws_.className(h), "ThunderRT6Main");  // as registered
    EXPECT_EQ(ws_.text(h), "Quarvelin");
    EXPECT_EQ(ws_.style(h), WS_POPUP);
    EXPECT_TRUE(ws_.isTopmost(h));
    EXPECT_EQ(ws_.windowRect(h), (Rect{10, 20, 310, 220}));
    EXPECT_EQ(ws_.clientRect(h), (Rect{0, 0, 300, 200}));
    EXPECT_EQ(ws_.userData(h), 0);

    EXPECT_TRUE(ws_.setText(h, "unwanted instance"));
    EXPECT_TRUE(ws_.setUserData(h, 0x1234));
    EXPECT_TRUE(ws_.setStyle(h, WS_POPUP | WS_TABSTOP));
    EXPECT_TRUE(ws_.setExStyle(h, 0));
    EXPECT_EQ(ws_.text(h), "unwanted instance");
    EXPECT_EQ(ws_.userData(h), 0x1234);
    EXPECT_EQ(ws_.style(h), WS_POPUP | WS_TABSTOP);
    EXPECT_FALSE(ws_.isTopmost(h));
    EXPECT_EQ(ws_.processId(h), int(::getpid()));

    // A dead handle answers nothing and takes nothing.
    ws_.destroyWindow(h);
    EXPECT_FALSE(ws_.isWindow(h));
    EXPECT_EQ(ws_.text(h), "");
    EXPECT_FALSE(ws_.setText(h, "x"));
    EXPECT_FALSE(ws_.setUserData(h, 1));
    EXPECT_EQ(ws_.userData(h), 0);
    EXPECT_EQ(ws_.processId(h), 0);
    EXPECT_EQ(ws_.windowRect(h), Rect{});
    EXPECT_FALSE(ws_.isWindow(0));
}

TEST_F(WindowTest, HandlesAreNeverReusedAndChildrenTakeNoTopmostBand) {
    std::vector<HWnd> seen;
    for (int i = 0; i < 3; ++i) {
        const HWnd h = top(0, 0, 10, 10);
        for (HWnd s : seen) EXPECT_NE(h, s);
        seen.push_back(h);
        ws_.destroyWindow(h);
    }
    const HWnd form = top(0, 0, 100, 100);
    CreateParams p;
    p.className = "Rec";
    p.style = WS_CHILD | WS_VISIBLE;
    p.exStyle = WS_EX_TOPMOST;
    p.parent = form;
    p.id = 7;
    const HWnd c = ws_.createWindow(p);
    EXPECT_FALSE(ws_.isTopmost(c));
    EXPECT_EQ(ws_.parent(c), form);
    EXPECT_EQ(ws_.owner(c), 0);
    EXPECT_EQ(ws_.controlId(c), 7);
    EXPECT_EQ(ws_.topLevelOf(c), form);
    EXPECT_EQ(ws_.getWindow(form, GW_CHILD), c);
    EXPECT_EQ(ws_.topLevelWindows(), (std::vector<HWnd>{form}));  // children are not top-level
}

TEST_F(WindowTest, VisibilityAndEnabledStateHoldThroughEveryParent) {
    const HWnd form = top(0, 0, 100, 100);
    const HWnd frame = child(form, 0, 0, 50, 50);
    const HWnd button = child(frame, 0, 0, 10, 10);
    EXPECT_TRUE(ws_.isVisible(button));
    EXPECT_TRUE(ws_.showWindow(frame, false));  // it was visible
    EXPECT_FALSE(ws_.isVisible(button));
    EXPECT_TRUE(ws_.style(button) & WS_VISIBLE);  // its own flag stays
    EXPECT_FALSE(ws_.showWindow(frame, true));
    EXPECT_TRUE(ws_.isVisible(button));
    const auto shows = seenOf(frame, WM_SHOWWINDOW);
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_EQ(shows[0].w, 0u);
    EXPECT_EQ(shows[1].w, 1u);
    ws_.showWindow(frame, true);  // no change, no message
    EXPECT_EQ(seenOf(frame, WM_SHOWWINDOW).size(), 2u);

    // Hiding the focus window or a parent of it takes the focus away; a hidden one cannot
    // take it.
    ws_.setFocus(button);
    ASSERT_EQ(ws_.focus(), button);
    ws_.showWindow(frame, false);
    EXPECT_EQ(ws_.focus(), 0);
    EXPECT_EQ(seenOf(button, WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(ws_.setFocus(button), 0);
    EXPECT_EQ(ws_.focus(), 0);
    ws_.showWindow(frame, true);

    EXPECT_TRUE(ws_.enableWindow(form, false));
    EXPECT_FALSE(ws_.isEnabled(button));
    EXPECT_EQ(ws_.setFocus(button), 0);  // cannot take the focus under a disabled form
    EXPECT_EQ(ws_.focus(), 0);
    EXPECT_FALSE(ws_.enableWindow(form, true));
    EXPECT_TRUE(ws_.isEnabled(button));
    EXPECT_EQ(seenOf(form, WM_ENABLE).size(), 2u);
}

TEST_F(WindowTest, SetParentMovesAChildIntoAnotherParentAndRefusesLoops) {
    const HWnd form = top(100, 100, 200, 200);
    const HWnd frame = child(form, 50, 50, 100, 100);
    const HWnd box = child(form, 10, 10, 20, 20);
    EXPECT_EQ(ws_.setParent(box, frame), form);
    EXPECT_EQ(ws_.parent(box), frame);
    EXPECT_EQ(ws_.children(form), (std::vector<HWnd>{frame}));
    EXPECT_EQ(ws_.getWindow(frame, GW_CHILD), box);
    EXPECT_EQ(ws_.windowRect(box), (Rect{160, 160, 180, 180})) << "same place in the new parent";
    EXPECT_EQ(ws_.windowFromPoint({165, 165}), box);
    EXPECT_EQ(ws_.setParent(frame, box), 0) << "a window cannot go inside its own descendant";
    EXPECT_EQ(ws_.setParent(box, box), 0);
    EXPECT_EQ(ws_.setParent(form, frame), 0) << "a top-level window is no child";
    EXPECT_EQ(ws_.setParent(box, 0x7FFF), 0);
    EXPECT_EQ(ws_.parent(box), frame);
}

// The single-instance check looks for a top-level window by its class and its exact title,
// and then for the window just above it.
TEST_F(WindowTest, FindWindowByClassAndExactTitle) {
    ws_.registerClass(WindowClass{"ThunderRT6Main", {}});
    auto make = [&](const char* cls, const char* title, HWnd parent = 0, std::uint32_t style = 0) {
        CreateParams p;
        p.className = cls;
        p.text = title;
        p.style = style;
        p.parent = parent;
        return ws_.createWindow(p);
    };
    const HWnd app = make("ThunderRT6Main", "Quarvelin - Firewall");
    const HWnd form = make("Rec", "Quarvelin - Firewall", app);  // owned, opened above it
    make("Rec", "Quarvelin - Firewall child", form, WS_CHILD);
    EXPECT_EQ(ws_.findWindow("thunderrt6main", "Quarvelin - Firewall"), app);
    EXPECT_EQ(ws_.findWindow("", "Quarvelin - Firewall"), form);  // any class: the topmost match
    EXPECT_EQ(ws_.findWindow("ThunderRT6Main", "quarvelin - firewall"), 0);  // titles are exact
    EXPECT_EQ(ws_.findWindow("Rec", "Quarvelin - Firewall child"), 0);  // children are not searched
    EXPECT_EQ(ws_.getWindow(app, GW_HWNDPREV), form);
    EXPECT_EQ(ws_.getWindow(form, GW_OWNER), app);
}

}  // namespace
}  // namespace qv::gui::testing
