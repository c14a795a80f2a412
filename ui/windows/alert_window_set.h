#pragma once
// The windows the engine opens, as the user interface makes them: each connection alert and each
// dangerous-port alert a new window reading the main window's options, and the block-all notice
// asked about without being made. The main window installs one with engine::ScopedAlertWindows.
#include <memory>

#include "engine/alert_windows.h"

namespace qv::ui {

class frmMain;

class AlertWindowSet final : public engine::AlertWindows {
public:
    explicit AlertWindowSet(frmMain& main) : main_(main) {}

    std::shared_ptr<engine::ConnectionAlert> newConnectionAlert() override;
    std::shared_ptr<engine::ServiceAlert> newServiceAlert() override;
    bool blockAllVisible() const override;

private:
    frmMain& main_;
};

}  // namespace qv::ui
