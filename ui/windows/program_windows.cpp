#include "ui/windows/program_windows.h"

#include "engine/alert_windows.h"
#include "ui/windows/alert_window_set.h"
#include "ui/windows/filter_window_set.h"
#include "ui/windows/frm_filter.h"
#include "ui/windows/frm_port.h"
#include "ui/windows/frm_applications.h"
#include "ui/windows/frm_con.h"
#include "ui/windows/frm_graph.h"
#include "ui/windows/one_window.h"

namespace qv::ui {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() { mainWindowGone(); }

void ProgramWindows::mainWindowMade(frmMain& main) {
    mainWindowGone();
    main_ = &main;
    alerts_ = std::make_unique<AlertWindowSet>(main);
    useAlerts_ = std::make_unique<engine::ScopedAlertWindows>(*alerts_);
    filters_ = std::make_unique<FilterWindowSet>(main);
}

void ProgramWindows::mainWindowGone() {
    filters_.reset();
    useAlerts_.reset();
    alerts_.reset();
    main_ = nullptr;
}

void ProgramWindows::showRuleList() {
    if (main_ != nullptr) OneWindow<frmApplications>(*main_).Show();
}

void ProgramWindows::showGraph() {
    if (main_ != nullptr) OneWindow<frmGraph>(*main_).Show();
}

void ProgramWindows::showTester(const std::string& host, const std::string& port) {
    if (main_ == nullptr) return;
    frmCon& tester = OneWindow<frmCon>(*main_);
    tester.txtAddr.Text(host);
    tester.txtport.Text(port);
    tester.Show();
}

void ProgramWindows::unloadTester() {
    if (frmCon* tester = LoadedWindow<frmCon>()) forms::Unload(*tester);
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
