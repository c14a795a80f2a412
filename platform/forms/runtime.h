#pragma once
// The forms runtime's loop: posted work, timers on the platform clock, pollers (the socket
// control's sockets), and the release of forms unloaded inside handlers. DoEvents runs what is
// pending and the timers that are due, then returns; it may be called from inside any handler.
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

// Something the loop asks on every pass whether it has work (a socket becoming readable).
class Poller {
public:
    virtual ~Poller() = default;
    // Does whatever is ready without blocking.
    virtual void poll() = 0;
    // The descriptor and poll(2) events the loop may wait on while idle; -1 for none.
    virtual int waitFd() const { return -1; }
    virtual short waitEvents() const { return 0; }
};
void addPoller(Poller* p);
void removePoller(Poller* p);

// Timers. An interval of 0 or less never fires; on the real clock an interval under 10 ms fires
// every 10 ms. A timer is due one interval after it starts and again one interval after each
// fire; a due timer fires once however late it is, and its handler is never re-entered.
using TimerId = int;
TimerId startTimer(int intervalMs, std::function<void()> onFire);
void stopTimer(TimerId id);
// The tick at which a running timer fires next; -1 when it never does.
int64_t timerDue(TimerId id);
// Stops every timer there is (as a program ends).
void stopAllTimers();

// Work run by the loop's next pass, in the order posted.
void post(std::function<void()> work);
// Run once no handler runs (releasing an unloaded form).
void releaseLater(std::function<void()> work);

// One pass: posted work, pollers, due timers, then releases when no handler runs.
void DoEvents();
// Tests on a FakeClock: moves time forward by ms, firing every timer due on the way in time
// order (with a DoEvents pass at each step). Throws std::logic_error on the real clock.
void advance(int64_t ms);
// Runs loop passes until done() holds. On the real clock it waits for sockets and timers between
// passes; on a FakeClock it calls the idle hook, which must move time or change state, and
// throws std::logic_error when there is none (a modal wait that nothing can end).
void runUntil(const std::function<bool()>& done);
void setIdleHook(std::function<void()> hook);

// Drops every timer, poller, posted and pending release (between tests).
void resetRuntime();

}  // namespace qv::forms
