#pragma once
// The timers of the message loop, kept by due time on the platform clock. A timer fires at
// most once per look at the queue (a timer that fell behind fires once and then keeps its
// phase), never while its own handler still runs, and never with interval 0.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/gui/types.h"

namespace qv::gui {

// Called in place of a WM_TIMER message when a timer was set with one.
using TimerProc = std::function<void(HWnd, std::uintptr_t id, std::int64_t tickMs)>;

class TimerQueue {
public:
    // Shortest period on the real clock; shorter intervals fire this often.
    static constexpr std::int64_t kRealClockMinimumMs = 10;

    // Starts a timer, or restarts an existing one (same window and id) with the new interval
    // and procedure; its first fire is one period after now. A timer restarted from inside its
    // own handler, or killed and set again there, still counts as running until that handler
    // returns.
    void set(HWnd hwnd, std::uintptr_t id, std::uint32_t intervalMs, std::int64_t now,
             bool realClock, TimerProc proc);
    bool kill(HWnd hwnd, std::uintptr_t id);
    void killWindow(HWnd hwnd);
    bool exists(HWnd hwnd, std::uintptr_t id) const;

    // The earliest due time of a timer that may fire now (not running, interval above 0).
    std::optional<std::int64_t> nextDue() const;

    // Fires every timer due at or before now once, earliest due first (ties in the order the
    // timers were set). `deliver` carries out one fire.
    using Deliver = std::function<void(HWnd, std::uintptr_t id, const TimerProc& proc)>;
    int fireDue(std::int64_t now, const Deliver& deliver);

private:
    struct Entry {
        HWnd hwnd = 0;
        std::uintptr_t id = 0;
        std::int64_t period = 0;  // 0: never fires
        std::int64_t due = 0;
        std::uint64_t serial = 0;
        bool killed = false;
        TimerProc proc;
    };
    std::shared_ptr<Entry> find(HWnd hwnd, std::uintptr_t id) const;
    // Whether a handler of the timer (window and id) is running now.
    bool running(const Entry& e) const;

    std::vector<std::shared_ptr<Entry>> entries_;
    // The timers whose handlers run now, innermost last. Kept by window and id, not by entry,
    // so that a timer killed and set again inside its handler is still seen as running.
    std::vector<std::pair<HWnd, std::uintptr_t>> running_;
    std::uint64_t nextSerial_ = 1;
};

}  // namespace qv::gui
