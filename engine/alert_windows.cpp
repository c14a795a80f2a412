#include "engine/alert_windows.h"

namespace qv::engine {

namespace {

class ClosedServiceAlert final : public ServiceAlert {
public:
    bool Closed() const override { return true; }
    void setLblDESC(std::string_view) override {}
    void setLblDESCTag(std::string_view) override {}
    void setTag(std::string_view) override {}
    void Show() override {}
    void MakeTopMost() override {}
};

// Without a user interface there is nobody to ask: every alert closes as it loads.
class StandInWindows final : public AlertWindows {
public:
    std::shared_ptr<ConnectionAlert> newConnectionAlert() override {
        return std::make_shared<BlankConnectionAlert>(true);
    }
    std::shared_ptr<ServiceAlert> newServiceAlert() override { return std::make_shared<ClosedServiceAlert>(); }
    bool blockAllVisible() const override { return false; }
};

AlertWindows*& installed() {
    static AlertWindows* w = nullptr;
    return w;
}

}  // namespace

AlertWindows& alertWindows() {
    if (AlertWindows* w = installed()) return *w;
    static StandInWindows standIn;
    return standIn;
}

ScopedAlertWindows::ScopedAlertWindows(AlertWindows& windows) : previous_(installed()) { installed() = &windows; }

ScopedAlertWindows::~ScopedAlertWindows() { installed() = previous_; }

}  // namespace qv::engine
