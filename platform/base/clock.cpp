#include "platform/base/clock.h"

#include <chrono>
#include <ctime>

namespace qv::base {

DateTime RealClock::now() const {
    auto tp = std::chrono::system_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count();
    std::time_t secs = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    localtime_r(&secs, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                    tm.tm_min,         tm.tm_sec,     static_cast<int>(ms % 1000)};
}

int64_t RealClock::tickMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

namespace {
RealClock& realClock() {
    static RealClock c;
    return c;
}
Clock* g_current = nullptr;
}  // namespace

Clock& clock() { return g_current ? *g_current : realClock(); }

ScopedClock::ScopedClock(Clock& c) : previous_(g_current) { g_current = &c; }
ScopedClock::~ScopedClock() { g_current = previous_; }

DateTime Now() { return clock().now(); }
std::string TimeNow() { return TimeText(clock().now()); }
std::string DateNow() { return DateText(clock().now()); }
double Timer() { return SecondsSinceMidnight(clock().now()); }
int64_t GetTickCount() { return clock().tickMs(); }

}  // namespace qv::base
