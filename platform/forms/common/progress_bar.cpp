#include "platform/forms/common/progress_bar.h"

#include <algorithm>

#include "platform/base/basic_error.h"
#include "platform/base/text.h"

namespace qv::forms {
namespace {
[[noreturn]] void invalid() { throw base::BasicError(380, "Invalid property value"); }
}  // namespace

void ProgressBar::Min(double v) {
    if (v >= max_) invalid();
    min_ = v;
    value_ = std::max(value_, min_);
    changed();
}

void ProgressBar::Max(double v) {
    if (v <= min_) invalid();
    max_ = v;
    value_ = std::min(value_, max_);
    changed();
}

void ProgressBar::Value(double v) {
    if (v < min_ || v > max_) invalid();
    value_ = v;
    changed();
}

bool ProgressBar::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Min")) Min(v.asNumber());
    else if (equalsNoCase(key, "Max")) Max(v.asNumber());
    else if (equalsNoCase(key, "Value")) Value(v.asNumber());
    else if (equalsNoCase(key, "Orientation")) Orientation(v.asLong());
    else if (equalsNoCase(key, "Scrolling")) Scrolling(v.asLong());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else if (equalsNoCase(key, "Appearance")) Appearance(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
