#pragma once
// Timer: raises its Timer event (Tick) every Interval milliseconds while Enabled and its form is loaded. An
// Interval of 0 never fires. Changing Interval or Enabled starts the count again.
#include "platform/forms/control.h"
#include "platform/forms/runtime.h"

namespace qv::forms {

class Timer : public Control {
public:
    Timer(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    ~Timer() override;
    std::string_view kind() const override { return "Timer"; }
    bool windowed() const override { return false; }
    bool shownAtRunTime() const override { return false; }

    int Interval() const { return interval_; }
    // 0 to 65535; other values are error 380.
    void Interval(int ms);
    void Enabled(bool e) override;
    using Control::Enabled;

    // The Timer event.
    Event<> Tick;

    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void designApplied() override {
        formReady_ = true;
        restart();
    }
    void formUnloading() override;
    // Whether the timer is counting now.
    bool running() const { return id_ != 0; }

private:
    void restart();
    int interval_ = 0;
    TimerId id_ = 0;
    bool formReady_ = false;
};

}  // namespace qv::forms
