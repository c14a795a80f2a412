#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class TimerTest : public GuiTest {
protected:
    // (ms since the start, timer id) of every fire.
    std::vector<std::pair<std::int64_t, std::uintptr_t>> fires_;
    std::int64_t start_ = clock_.tickMs();
    TimerProc record() {
        return [this](HWnd, std::uintptr_t id, std::int64_t tick) { fires_.emplace_back(tick - start_, id); };
    }
};

TEST_F(TimerTest, AdvancingTheFakeClockFiresEveryDueFireInTimeOrder) {
    HWnd h = top(0, 0, 10, 10);
    ws_.setTimer(h, 1, 50, record());
    ws_.setTimer(h, 2, 30, record());
    ws_.setTimer(h, 3, 0, record());  // interval 0 never fires
    ws_.pumpFor(150);
    EXPECT_EQ(fires_, (std::vector<std::pair<std::int64_t, std::uintptr_t>>{
                          {30, 2}, {50, 1}, {60, 2}, {90, 2}, {100, 1}, {120, 2}, {150, 1}, {150, 2}}));
    EXPECT_EQ(clock_.tickMs() - start_, 150);
}

TEST_F(TimerTest, WindowTimerSendsWmTimerWithItsId) {
    HWnd h = top(0, 0, 10, 10);
    ws_.setTimer(h, 7, 200);
    ws_.pumpFor(199);
    EXPECT_TRUE(seenOf(h, WM_TIMER).empty());
    ws_.pumpFor(1);
    auto t = seenOf(h, WM_TIMER);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].w, 7u);
}

// A clock that jumped past several periods without the loop looking gives one fire, and the
// timer keeps its phase.
TEST_F(TimerTest, AFallenBehindTimerHasAtMostOnePendingFire) {
    HWnd h = top(0, 0, 10, 10);
    ws_.setTimer(h, 1, 100, record());
    clock_.advance(1050);
    ws_.doEvents();
    ws_.doEvents();
    ASSERT_EQ(fires_.size(), 1u);
    ws_.pumpFor(50);
    EXPECT_EQ(fires_.back().first, 1100);
    EXPECT_EQ(fires_.size(), 2u);
}

// A handler that lets the loop run while its timer is due again is not re-entered; the due
// fire follows once after it returns.
TEST_F(TimerTest, TimerHandlerIsNotReenteredWhileItRuns) {
    HWnd h = top(0, 0, 10, 10);
    int depth = 0;
    int maxDepth = 0;
    int fires = 0;
    ws_.setTimer(h, 1, 10, [&](HWnd, std::uintptr_t, std::int64_t) {
        ++fires;
        maxDepth = std::max(maxDepth, ++depth);
        if (fires == 1) {
            clock_.advance(35);
            ws_.doEvents();
        }
        --depth;
    });
    ws_.pumpFor(10);
    EXPECT_EQ(fires, 2);  // the fire that fell due meanwhile, once, after the handler
    ws_.doEvents();
    EXPECT_EQ(fires, 2);
    EXPECT_EQ(maxDepth, 1);
}

// A handler that stops its timer and starts it again (as a timer control's Enabled toggled
// off and on does) and then lets the loop run is still not entered a second time.
TEST_F(TimerTest, TimerKilledAndSetAgainInsideItsHandlerIsNotReentered) {
    HWnd h = top(0, 0, 10, 10);
    int depth = 0, maxDepth = 0, fires = 0;
    std::function<void(HWnd, std::uintptr_t, std::int64_t)> handler = [&](HWnd hwnd, std::uintptr_t id,
                                                                         std::int64_t) {
        ++fires;
        maxDepth = std::max(maxDepth, ++depth);
        if (fires == 1) {
            ws_.killTimer(hwnd, id);
            ws_.setTimer(hwnd, id, 10, handler);
            clock_.advance(25);
            ws_.doEvents();
            ws_.pumpFor(20);
        }
        --depth;
    };
    ws_.setTimer(h, 1, 10, handler);
    ws_.pumpFor(10);
    EXPECT_EQ(fires, 2);  // the fire that fell due meanwhile, once, after the handler
    EXPECT_EQ(maxDepth, 1);
    ws_.pumpFor(10);  // and on it goes at its interval
    EXPECT_EQ(fires, 3);
    EXPECT_EQ(maxDepth, 1);

    // A handler that throws leaves its timer able to fire again.
    ws_.setTimer(h, 2, 10, [&](HWnd, std::uintptr_t, std::int64_t) { throw std::runtime_error("handler"); });
    ws_.killTimer(h, 1);
    EXPECT_THROW(ws_.pumpFor(10), std::runtime_error);
    EXPECT_THROW(ws_.pumpFor(10), std::runtime_error);
}

TEST_F(TimerTest, KillAndRestartFromInsideHandlers) {
    HWnd h = top(0, 0, 10, 10);
    ws_.setTimer(h, 1, 10, [&](HWnd hwnd, std::uintptr_t id, std::int64_t tick) {
        fires_.emplace_back(tick - start_, id);
        ws_.killTimer(hwnd, 2);              // 2 is due at the same moment: it must not fire
        ws_.setTimer(hwnd, 1, 25, record());  // restarted from now, new interval
    });
    ws_.setTimer(h, 2, 10, record());
    ws_.pumpFor(100);
    EXPECT_EQ(fires_, (std::vector<std::pair<std::int64_t, std::uintptr_t>>{
                          {10, 1}, {35, 1}, {60, 1}, {85, 1}}));
}

TEST_F(TimerTest, TimersOfADestroyedWindowStop) {
    HWnd h = top(0, 0, 10, 10);
    ws_.setTimer(h, 1, 10, record());
    ws_.destroyWindow(h);
    ws_.pumpFor(100);
    EXPECT_TRUE(fires_.empty());
    EXPECT_EQ(ws_.setTimer(h, 1, 10), 0u);
}

TEST_F(TimerTest, TimersWithoutAWindowGetTheirOwnIds) {
    auto a = ws_.setTimer(0, 0, 10, record());
    auto b = ws_.setTimer(0, 0, 10, record());
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(ws_.setTimer(0, a, 40, record()), a);  // an existing one is restarted
    ws_.pumpFor(40);
    EXPECT_EQ(std::count(fires_.begin(), fires_.end(), std::make_pair<std::int64_t, std::uintptr_t>(40, std::uintptr_t(a))), 1);
    EXPECT_EQ(std::count_if(fires_.begin(), fires_.end(), [&](auto& f) { return f.second == a; }), 1);
}

TEST(TimerQueueTest, RealClockIntervalsBelowTenMillisecondsFireEveryTen) {
    struct Case {
        std::uint32_t interval;
        bool real;
        std::int64_t firstDue;
    };
    for (const Case& c : {Case{1, true, 10}, Case{9, true, 10}, Case{10, true, 10},
                          Case{25, true, 25}, Case{1, false, 1}}) {
        TimerQueue q;
        q.set(1, 1, c.interval, 1000, c.real, {});
        EXPECT_EQ(q.nextDue(), 1000 + c.firstDue) << c.interval << (c.real ? " real" : " fake");
    }
    TimerQueue q;
    q.set(1, 1, 0, 1000, true, {});
    EXPECT_EQ(q.nextDue(), std::nullopt);
}

}  // namespace
}  // namespace qv::gui::testing
