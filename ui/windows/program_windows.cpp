#include "ui/windows/program_windows.h"

#include "engine/alert_windows.h"
#include "ui/windows/alert_window_set.h"
#include "ui/windows/filter_window_set.h"
#include "ui/windows/frm_filter.h"
#include "ui/windows/frm_port.h"

namespace qv::ui {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() { mainWindowGone(); }

void ProgramWindows::mainWindowMade(frmMain& main) {
    mainWindowGone();
    alerts_ = std::make_unique<AlertWindowSet>(main);
    useAlerts_ = std::make_unique<engine::ScopedAlertWindows>(*alerts_);
    filters_ = std::make_unique<FilterWindowSet>(main);
}

void ProgramWindows::mainWindowGone() {
    filters_.reset();
    useAlerts_.reset();
    alerts_.reset();
}

void ProgramWindows::showOpenPorts() {
    if (filters_) filters_->ports().Show();
}

void ProgramWindows::showFilterEditor() {
    if (!filters_) return;
    frmfilter& editor = filters_->filter();
    editor.Visible(true);
    editor.Show();
}

}  // namespace qv::ui
