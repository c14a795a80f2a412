#pragma once
// The program's clocks. All time comes from here: the real clock in the program, a FakeClock
// that tests move forward. The process has one current clock, the real one unless a test
// installs another with ScopedClock.
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"

namespace qv::base {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time of day.
    virtual DateTime now() const = 0;
    // A monotonic millisecond count (GetTickCount); starts anywhere, never goes back.
    virtual int64_t tickMs() const = 0;
    // True when time only moves because a test moves it.
    virtual bool isFake() const { return false; }
};

class RealClock final : public Clock {
public:
    DateTime now() const override;
    int64_t tickMs() const override;
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(DateTime start = DateTime{2026, 12, 10, 15, 4, 5, 0}, int64_t tick = 1000000)
        : start_(start.toMillis()), tick_(tick) {}
    DateTime now() const override { return DateTime::fromMillis(start_ + elapsed_); }
    int64_t tickMs() const override { return tick_ + elapsed_; }
    bool isFake() const override { return true; }

    // Moves both the time of day and the tick forward (ms >= 0).
    void advance(int64_t ms) { elapsed_ += ms < 0 ? 0 : ms; }
    // Sets the time of day; the tick keeps running from where it is.
    void setNow(const DateTime& t) {
        start_ = t.toMillis() - elapsed_;
    }

private:
    int64_t start_;
    int64_t tick_;
    int64_t elapsed_ = 0;
};

// The current clock.
Clock& clock();
// Installs a clock as the current one for the object's lifetime.
class ScopedClock {
public:
    explicit ScopedClock(Clock& c);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* previous_;
};

// Shorthands on the current clock, named as the program's code uses them.
DateTime Now();
std::string TimeNow();  // Time as text: "3:04:05 PM"
std::string DateNow();  // Date as text: "12/10/2026"
double Timer();         // seconds since midnight
int64_t GetTickCount();

}  // namespace qv::base
