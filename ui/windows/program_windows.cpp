#include "ui/windows/program_windows.h"

#include "engine/alert_windows.h"
#include "ui/windows/alert_window_set.h"

namespace qv::ui {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() { mainWindowGone(); }

void ProgramWindows::mainWindowMade(frmMain& main) {
    mainWindowGone();
    alerts_ = std::make_unique<AlertWindowSet>(main);
    useAlerts_ = std::make_unique<engine::ScopedAlertWindows>(*alerts_);
}

void ProgramWindows::mainWindowGone() {
    useAlerts_.reset();
    alerts_.reset();
}

}  // namespace qv::ui
