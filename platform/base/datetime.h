#pragma once
// A civil date and time of the local clock, and its text forms as an English (United States)
// desktop shows them.
#include <cstdint>
#include <string>

namespace qv::base {

struct DateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;

    // Milliseconds since 1970-01-01 00:00:00 of the same (local) calendar; no time zone applies.
    int64_t toMillis() const;
    static DateTime fromMillis(int64_t ms);
    DateTime plusMillis(int64_t ms) const { return fromMillis(toMillis() + ms); }
    bool operator==(const DateTime&) const = default;
};

// "3:04:05 PM"
std::string TimeText(const DateTime& t);
// "12/10/2026"
std::string DateText(const DateTime& t);
// "12/10/2026 3:04:05 PM"; an exact midnight gives the date alone, "12/10/2026".
std::string DateTimeText(const DateTime& t);
// Seconds since midnight, with the milliseconds as the fraction (Basic's Timer).
double SecondsSinceMidnight(const DateTime& t);

}  // namespace qv::base
