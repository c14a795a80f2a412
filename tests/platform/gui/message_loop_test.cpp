#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class MessageLoopTest : public GuiTest {};

// DoEvents runs what was pending when it was called, may be nested inside a handler, and
// leaves what is posted meanwhile for the next call.
TEST_F(MessageLoopTest, DoEventsNestsAndRunsOnlyWhatWasPending) {
    std::vector<std::string> log;
    HWnd h = top(0, 0, 10, 10);
    ws_.setWindowProc(h, [&](HWnd hwnd, MessageId m, WParam w, LParam) -> LResult {
        if (m != WM_USER) return 0;
        log.push_back("start " + std::to_string(w));
        if (w == 1) ws_.doEvents();                   // runs 2, pending already
        if (w == 2) ws_.postMessage(hwnd, WM_USER, 3);  // posted meanwhile: waits
        log.push_back("end " + std::to_string(w));
        return 0;
    });
    ws_.postMessage(h, WM_USER, 1);
    ws_.postMessage(h, WM_USER, 2);
    ws_.doEvents();
    EXPECT_EQ(log, (std::vector<std::string>{"start 1", "start 2", "end 2", "end 1"}));
    EXPECT_EQ(ws_.pendingMessages(), 1u);
    ws_.doEvents();
    EXPECT_EQ(log.back(), "end 3");
}

TEST_F(MessageLoopTest, PostedMessagesToADestroyedWindowAreDropped) {
    HWnd h = top(0, 0, 10, 10);
    ws_.postMessage(h, WM_USER);
    ws_.destroyWindow(h);
    seen_.clear();
    ws_.doEvents();
    EXPECT_TRUE(seen_.empty());
    EXPECT_FALSE(ws_.postMessage(h, WM_USER));
}

// The record of a window destroyed from inside its own handler lives until that handler
// returns; then it goes, and nothing reaches the dead handle.
TEST_F(MessageLoopTest, WindowDestroyedInItsHandlerIsReleasedAfterTheHandlerReturns) {
    HWnd h = top(0, 0, 10, 10);
    auto sentinel = std::make_shared<int>(7);
    std::weak_ptr<int> watch = sentinel;
    bool aliveAfterDestroy = false;
    std::vector<MessageId> order;
    ws_.setWindowProc(h, [&, keep = sentinel](HWnd hwnd, MessageId m, WParam, LParam) -> LResult {
        order.push_back(m);
        if (m == WM_USER) {
            ws_.destroyWindow(hwnd);
            aliveAfterDestroy = !watch.expired() && *keep == 7;
            EXPECT_FALSE(ws_.isWindow(hwnd));
        }
        return 0;
    });
    sentinel.reset();
    ws_.sendMessage(h, WM_USER);
    EXPECT_TRUE(aliveAfterDestroy);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(order, (std::vector<MessageId>{WM_USER, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(ws_.sendMessage(h, WM_USER), 0);
}

TEST_F(MessageLoopTest, DestroyTakesChildrenAndOwnedWindowsAlong) {
    HWnd owner = top(0, 0, 100, 100);
    HWnd c = child(owner, 1, 1, 5, 5);
    CreateParams p;
    p.className = "Rec";
    p.style = WS_POPUP;
    p.parent = owner;
    HWnd owned = ws_.createWindow(p);
    ASSERT_EQ(ws_.owner(owned), owner);
    ASSERT_EQ(ws_.parent(owned), 0);
    ws_.destroyWindow(owner);
    EXPECT_FALSE(ws_.isWindow(c));
    EXPECT_FALSE(ws_.isWindow(owned));
    // The parent hears WM_DESTROY before its child, and WM_NCDESTROY after it.
    std::vector<std::pair<HWnd, MessageId>> life;
    for (const auto& s : seen_) {
        if ((s.hwnd == owner || s.hwnd == c) && (s.msg == WM_DESTROY || s.msg == WM_NCDESTROY))
            life.emplace_back(s.hwnd, s.msg);
    }
    EXPECT_EQ(life, (std::vector<std::pair<HWnd, MessageId>>{
                        {owner, WM_DESTROY}, {c, WM_DESTROY}, {c, WM_NCDESTROY}, {owner, WM_NCDESTROY}}));
}

TEST_F(MessageLoopTest, CreateFailsWhenTheWindowRefusesOrTheClassIsUnknown) {
    ws_.registerClass(WindowClass{"Refuse", [](HWnd, MessageId m, WParam, LParam) -> LResult {
                                      return m == WM_CREATE ? -1 : 0;
                                  }});
    CreateParams p;
    p.className = "Refuse";
    EXPECT_EQ(ws_.createWindow(p), 0);
    p.className = "NoSuchClass";
    EXPECT_EQ(ws_.createWindow(p), 0);
    p.className = "Rec";
    p.style = WS_CHILD;
    p.parent = 0x7FFF;  // a child needs a living parent
    EXPECT_EQ(ws_.createWindow(p), 0);
    EXPECT_TRUE(ws_.allWindows().empty());
}

TEST_F(MessageLoopTest, PaintComesAfterPostedMessagesOnceForSeveralInvalidations) {
    HWnd h = top(0, 0, 10, 10);
    ws_.doEvents();
    seen_.clear();
    ws_.invalidate(h);
    ws_.invalidate(h);
    ws_.postMessage(h, WM_USER);
    ws_.doEvents();
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(seen_[0].msg, WM_USER);
    EXPECT_EQ(seen_[1].msg, WM_PAINT);
    // A hidden window keeps its paint until it shows.
    ws_.showWindow(h, false);
    ws_.invalidate(h);
    seen_.clear();
    ws_.doEvents();
    EXPECT_TRUE(seenOf(h, WM_PAINT).empty());
    ws_.showWindow(h, true);
    ws_.doEvents();
    EXPECT_EQ(seenOf(h, WM_PAINT).size(), 1u);
}

TEST_F(MessageLoopTest, RunMessageLoopEndsWithTheQuitCode) {
    HWnd h = top(0, 0, 10, 10);
    int ticks = 0;
    ws_.setTimer(h, 1, 100, [&](HWnd, std::uintptr_t, std::int64_t) {
        if (++ticks == 3) ws_.postQuitMessage(42);
    });
    const std::int64_t start = clock_.tickMs();
    EXPECT_EQ(ws_.runMessageLoop(), 42);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock_.tickMs() - start, 300);
    ws_.killTimer(h, 1);
    EXPECT_EQ(ws_.runMessageLoop(), -1);  // nothing left that could happen
}

// A nested run ends when its condition holds or a quit is posted (which stays for the loop
// outside); on the fake clock it moves time to the next timer, or lets the idle hook do so,
// and a wait nothing can end is an error rather than a hang.
TEST_F(MessageLoopTest, RunUntilIsANestedLoop) {
    HWnd h = top(0, 0, 10, 10);
    int ticks = 0;
    ws_.setTimer(h, 1, 100, [&](HWnd, std::uintptr_t, std::int64_t) { ++ticks; });
    const std::int64_t start = clock_.tickMs();
    ws_.runUntil([&] { return ticks == 3; });
    EXPECT_EQ(clock_.tickMs() - start, 300);

    int idles = 0;
    ws_.runUntil([&] { return ticks == 4; }, [&] {
        ++idles;
        clock_.advance(25);
    });
    EXPECT_EQ(idles, 4);

    ws_.postMessage(h, WM_USER);
    ws_.setWindowProc(h, [&](HWnd, MessageId m, WParam, LParam) -> LResult {
        if (m == WM_USER) ws_.postQuitMessage(7);
        return 0;
    });
    ws_.runUntil([] { return false; });
    EXPECT_TRUE(ws_.quitPosted()) << "the quit stays for the outer loop";
    EXPECT_EQ(ws_.runMessageLoop(), 7);

    ws_.killTimer(h, 1);
    EXPECT_THROW(ws_.runUntil([] { return false; }), std::logic_error);
}

}  // namespace
}  // namespace qv::gui::testing
