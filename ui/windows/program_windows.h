#pragma once
// The windows the program's main window works with that live here: the alert windows the engine
// opens and the windows of the filter lists, installed when the main window is made and taken
// away when it goes, and the rule list, the graph window and the connection tester its buttons
// and the open-port window open. The program installs one ProgramWindows with ui::setCompanions.
#include <memory>
#include <string>

#include "ui/main/companions.h"

namespace qv::engine {
class ScopedAlertWindows;
}

namespace qv::ui {

class AlertWindowSet;
class FilterWindowSet;

class ProgramWindows final : public MainCompanions {
public:
    ProgramWindows();
    ~ProgramWindows() override;

    void mainWindowMade(frmMain& main) override;
    void mainWindowGone() override;
    void showOpenPorts() override;
    void showFilterEditor() override;

    void showRuleList() override;
    void showGraph() override;
    void showTester(const std::string& host, const std::string& port) override;
    void unloadTester() override;

private:
    frmMain* main_ = nullptr;
    std::unique_ptr<AlertWindowSet> alerts_;
    std::unique_ptr<engine::ScopedAlertWindows> useAlerts_;
    std::unique_ptr<FilterWindowSet> filters_;
};

}  // namespace qv::ui
