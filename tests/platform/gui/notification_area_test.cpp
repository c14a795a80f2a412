#include "platform/gui/notification_area.h"

#include <gtest/gtest.h>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class NotificationAreaTest : public GuiTest {
protected:
    NotificationArea& tray() { return ws_.notificationArea(); }
    NotifyIconData data(HWnd h, std::uint32_t flags, std::string tip = "", std::intptr_t icon = 0) {
        NotifyIconData d;
        d.hwnd = h;
        d.id = 1;
        d.flags = flags;
        d.callbackMessage = WM_TRAYCALLBACK;
        d.icon = icon;
        d.tip = std::move(tip);
        return d;
    }
};

TEST_F(NotificationAreaTest, IconsAreAddedChangedByTheirFlagsAndDeleted) {
    HWnd owner = top(0, 0, 10, 10);
    ASSERT_TRUE(tray().notifyIcon(NIM_ADD, data(owner, NIF_MESSAGE | NIF_ICON | NIF_TIP, "Quarvelin - Status Normal", 10)));
    EXPECT_FALSE(tray().notifyIcon(NIM_ADD, data(owner, NIF_TIP, "again")));  // there already

    // A modify changes only what its flags name.
    ASSERT_TRUE(tray().notifyIcon(NIM_MODIFY, data(owner, NIF_ICON, "ignored", 11)));
    auto icon = tray().icon(owner, 1);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->icon, 11);
    EXPECT_EQ(icon->tip, "Quarvelin - Status Normal");
    EXPECT_EQ(icon->callbackMessage, WM_TRAYCALLBACK);
    ASSERT_TRUE(tray().notifyIcon(NIM_MODIFY, data(owner, NIF_TIP, "Quarvelin - Blocked")));
    EXPECT_EQ(tray().icon(owner, 1)->tip, "Quarvelin - Blocked");
    EXPECT_EQ(tray().icon(owner, 1)->icon, 11);

    ASSERT_TRUE(tray().notifyIcon(NIM_DELETE, data(owner, 0)));
    EXPECT_FALSE(tray().icon(owner, 1));
    EXPECT_FALSE(tray().notifyIcon(NIM_DELETE, data(owner, 0)));
    EXPECT_FALSE(tray().notifyIcon(NIM_MODIFY, data(owner, NIF_TIP, "x")));
    EXPECT_FALSE(tray().notifyIcon(7, data(owner, NIF_TIP, "x")));  // no such operation

    const HWnd dead = top(0, 0, 1, 1);
    ws_.destroyWindow(dead);
    EXPECT_FALSE(tray().notifyIcon(NIM_ADD, data(dead, NIF_TIP, "x")));
    EXPECT_TRUE(tray().icons().empty());
}

TEST_F(NotificationAreaTest, TheTipKeepsAtMost63CharactersUpToItsNul) {
    HWnd owner = top(0, 0, 10, 10);
    const std::string s63(63, 'x');
    struct Case {
        std::string given, kept;
    } cases[] = {
        {"", ""},
        {s63, s63},
        {s63 + "yz", s63},
        {std::string("short\0hidden", 12), "short"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(tray().notifyIcon(NIM_ADD, data(owner, NIF_TIP, c.given)));
        EXPECT_EQ(tray().icon(owner, 1)->tip, c.kept);
        ASSERT_TRUE(tray().notifyIcon(NIM_MODIFY, data(owner, NIF_TIP, "other")));
        ASSERT_TRUE(tray().notifyIcon(NIM_MODIFY, data(owner, NIF_TIP, c.given)));
        EXPECT_EQ(tray().icon(owner, 1)->tip, c.kept);
        ASSERT_TRUE(tray().notifyIcon(NIM_DELETE, data(owner, 0)));
    }
}

TEST_F(NotificationAreaTest, PointerEventsReachTheOwnerAsItsCallbackMessage) {
    HWnd owner = top(0, 0, 10, 10);
    HWnd other = top(0, 0, 10, 10);
    NotifyIconData d = data(owner, NIF_MESSAGE | NIF_TIP, "tip");
    d.id = 5;
    ASSERT_TRUE(tray().notifyIcon(NIM_ADD, d));
    NotifyIconData silent = data(other, NIF_TIP, "no callback");
    ASSERT_TRUE(tray().notifyIcon(NIM_ADD, silent));

    EXPECT_TRUE(tray().pointerEvent(owner, 5, WM_LBUTTONDOWN));
    EXPECT_TRUE(tray().pointerEvent(owner, 5, WM_LBUTTONDBLCLK));
    EXPECT_FALSE(tray().pointerEvent(owner, 6, WM_LBUTTONDOWN));   // no such icon
    EXPECT_FALSE(tray().pointerEvent(other, 1, WM_LBUTTONDOWN));   // asked for no callback
    EXPECT_TRUE(seenOf(owner, WM_TRAYCALLBACK).empty());           // posted, not sent
    ws_.doEvents();
    const auto seen = seenOf(owner, WM_TRAYCALLBACK);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].w, 5u);
    EXPECT_EQ(seen[0].l, LParam(WM_LBUTTONDOWN));
    EXPECT_EQ(seen[1].l, LParam(WM_LBUTTONDBLCLK));
    EXPECT_TRUE(seenOf(other, WM_TRAYCALLBACK).empty());

    // The icons of a destroyed window leave with it.
    ws_.destroyWindow(owner);
    EXPECT_FALSE(tray().icon(owner, 5));
    EXPECT_TRUE(tray().icon(other, 1));
}

}  // namespace
}  // namespace qv::gui::testing
