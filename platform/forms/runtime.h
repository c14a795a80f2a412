#pragma once
// The forms runtime on the window system's loop. Work posted by forms, their timers and the
// release of forms unloaded inside handlers are messages and timers of one hidden window of
// gui's loop, so they run in turn with every other message, timer and ready descriptor.
// DoEvents, advance and runUntil are runs of that one loop; DoEvents may be called from inside
// any handler.
#include <cstdint>
#include <functional>

namespace qv::forms {

// Counts running handlers; forms unloaded while any runs are released once none does.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};
int handlerDepth();

// Timers. An interval of 0 or less never fires; on the real clock an interval under 10 ms fires
// every 10 ms. A timer is due one interval after it starts and keeps that phase; a due timer
// fires once however late it is, and its handler is never re-entered.
using TimerId = int;
TimerId startTimer(int intervalMs, std::function<void()> onFire);
void stopTimer(TimerId id);

// Work run by the loop's next pass, in turn with the messages posted before and after it.
void post(std::function<void()> work);
// Run once no handler runs (releasing an unloaded form).
void releaseLater(std::function<void()> work);

// One pass of the loop: what was posted before it, ready descriptors, paints, due timers; then
// the releases asked for, when no handler runs.
void DoEvents();
// Tests on a FakeClock: moves time forward by ms, firing every timer due on the way in time
// order with a pass at each step. Throws std::logic_error on the real clock.
void advance(int64_t ms);
// Runs passes of the loop until done() holds. On the real clock it sleeps between passes until
// a descriptor is ready or a timer is due; on a FakeClock it calls the idle hook, which must
// move time or change state, and throws std::logic_error when there is none (a modal wait that
// nothing can end).
void runUntil(const std::function<bool()>& done);
void setIdleHook(std::function<void()> hook);

// Drops every timer, posted work and pending release (between tests).
void resetRuntime();

}  // namespace qv::forms
