#include "platform/forms/common/slider.h"

#include <algorithm>
#include <cmath>

#include "platform/base/basic_error.h"
#include "platform/base/text.h"

namespace qv::forms {
namespace {
[[noreturn]] void invalid() { throw base::BasicError(380, "Invalid property value"); }
}  // namespace

void Slider::Min(int v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    changed();
    setValue(std::clamp(value_, min_, max_), false);
}

void Slider::Max(int v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    changed();
    setValue(std::clamp(value_, min_, max_), false);
}

void Slider::Value(int v) {
    if (v < min_ || v > max_) invalid();
    setValue(v, false);
}

void Slider::setValue(int v, bool scrolling) {
    if (v == value_) return;
    value_ = v;
    changed();
    if (scrolling) Scroll();
    Change();
}

void Slider::Orientation(int o) {
    if (o != 0 && o != 1) invalid();
    orientation_ = o;
    changed();
}

int Slider::trackEnd() const {
    const int length = twipsToPixels(orientation_ == 1 ? Height() : Width());
    return std::max(kMargin, length - kMargin);
}

int Slider::thumbCentre() const {
    if (max_ == min_) return trackStart();
    const double share = double(value_ - min_) / (max_ - min_);
    return trackStart() + static_cast<int>(std::lround(share * (trackEnd() - trackStart())));
}

int Slider::valueAt(int along) const {
    const int span = trackEnd() - trackStart();
    if (span <= 0 || max_ == min_) return min_;
    const double share = double(along - trackStart()) / span;
    return std::clamp(min_ + static_cast<int>(std::lround(share * (max_ - min_))), min_, max_);
}

int Slider::alongPx(float x, float y) const {
    return static_cast<int>(std::floor((orientation_ == 1 ? y : x) / kTwipsPerPixel));
}

void Slider::mouseDown(int button, int shift, float x, float y) {
    Control::mouseDown(button, shift, x, y);
    if (button != kLeftButton) return;
    const int along = alongPx(x, y);
    if (std::abs(along - thumbCentre()) <= kThumbLength / 2) {
        dragging_ = true;
        return;
    }
    const int step = std::max(1, LargeChange());
    setValue(std::clamp(value_ + (along < thumbCentre() ? -step : step), min_, max_), false);
}

void Slider::mouseMove(int button, int shift, float x, float y) {
    Control::mouseMove(button, shift, x, y);
    if (dragging_ && (button & kLeftButton) != 0) setValue(valueAt(alongPx(x, y)), true);
}

void Slider::mouseUp(int button, int shift, float x, float y) {
    if (button == kLeftButton) dragging_ = false;
    Control::mouseUp(button, shift, x, y);
}

void Slider::keyDown(int keyCode) {
    int v = value_;
    switch (keyCode) {
        case 37: case 38: v -= SmallChange(); break;  // left, up
        case 39: case 40: v += SmallChange(); break;  // right, down
        case 33: v -= LargeChange(); break;           // page up
        case 34: v += LargeChange(); break;           // page down
        case 36: v = min_; break;                     // home
        case 35: v = max_; break;                     // end
        default: return;
    }
    setValue(std::clamp(v, min_, max_), false);
}

bool Slider::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    // Designer values set the range and value without raising Change.
    if (equalsNoCase(key, "Min")) { min_ = v.asLong(); max_ = std::max(max_, min_); value_ = std::clamp(value_, min_, max_); }
    else if (equalsNoCase(key, "Max")) { max_ = v.asLong(); min_ = std::min(min_, max_); value_ = std::clamp(value_, min_, max_); }
    else if (equalsNoCase(key, "Value")) {
        const int n = v.asLong();
        if (n < min_ || n > max_) throw DesignError(v.line, "Value outside Min..Max");
        value_ = n;
    }
    else if (equalsNoCase(key, "SmallChange")) SmallChange(v.asLong());
    else if (equalsNoCase(key, "LargeChange")) LargeChange(v.asLong());
    else if (equalsNoCase(key, "TickFrequency")) TickFrequency(v.asLong());
    else if (equalsNoCase(key, "TickStyle")) TickStyle(v.asLong());
    else if (equalsNoCase(key, "Orientation")) Orientation(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
