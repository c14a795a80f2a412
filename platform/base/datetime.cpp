#include "platform/base/datetime.h"

#include <cstdio>

namespace qv::base {

namespace {
// Days from 1970-01-01 to y-m-d in the proleptic Gregorian calendar.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

int64_t DateTime::toMillis() const {
    int64_t days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return ((days * 24 + hour) * 60 + minute) * 60000 + second * 1000 + millisecond;
}

DateTime DateTime::fromMillis(int64_t ms) {
    DateTime t;
    int64_t days = floorDiv(ms, 86400000);
    int64_t rest = ms - days * 86400000;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600000);
    t.minute = static_cast<int>(rest / 60000 % 60);
    t.second = static_cast<int>(rest / 1000 % 60);
    t.millisecond = static_cast<int>(rest % 1000);
    return t;
}

std::string TimeText(const DateTime& t) {
    int h = t.hour % 12;
    if (h == 0) h = 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h, t.minute, t.second, t.hour < 12 ? "AM" : "PM");
    return buf;
}

std::string DateText(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%04d", t.month, t.day, t.year);
    return buf;
}

std::string DateTimeText(const DateTime& t) {
    // Basic writes an exact midnight as the date alone.
    if (t.hour == 0 && t.minute == 0 && t.second == 0) return DateText(t);
    return DateText(t) + " " + TimeText(t);
}

double SecondsSinceMidnight(const DateTime& t) {
    return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

}  // namespace qv::base
