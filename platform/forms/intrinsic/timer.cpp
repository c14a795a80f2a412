#include "platform/forms/intrinsic/timer.h"

#include "platform/base/basic_error.h"
#include "platform/base/text.h"

namespace qv::forms {

Timer::~Timer() {
    if (id_ != 0) stopTimer(id_);
}

void Timer::Interval(int ms) {
    if (ms < 0 || ms > 65535) throw base::BasicError(380, "Invalid property value");
    interval_ = ms;
    restart();
}

void Timer::Enabled(bool e) {
    Control::Enabled(e);
    restart();
}

void Timer::restart() {
    if (id_ != 0) {
        stopTimer(id_);
        id_ = 0;
    }
    if (!formReady_ || !Enabled() || interval_ <= 0) return;
    id_ = startTimer(interval_, [this] { Tick(); });
}

void Timer::formUnloading() {
    formReady_ = false;
    restart();
}

bool Timer::applyDesign(const std::string& key, const DesignValue& v) {
    if (base::equalsNoCase(key, "Interval")) {
        int ms = v.asLong();
        if (ms < 0 || ms > 65535) throw DesignError(v.line, "an interval is 0 to 65535");
        interval_ = ms;
        return true;
    }
    return Control::applyDesign(key, v);
}

}  // namespace qv::forms
