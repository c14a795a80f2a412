#pragma once
// Companions of the main window that open nothing and note what they were asked for, in order.
#include <functional>
#include <string>
#include <vector>

#include "ui/main/companions.h"

namespace qv::ui::testing {

class RecordingCompanions final : public MainCompanions {
public:
    RecordingCompanions() { setCompanions(this); }
    ~RecordingCompanions() override { setCompanions(nullptr); }

    std::vector<std::string> asked;
    // Runs when the orderly end lets the connection tester go, after input was dropped.
    std::function<void()> onUnloadTester;

    void showOpenPorts() override { asked.push_back("frmport"); }
    void showRuleList() override { asked.push_back("frmApplications"); }
    void showFilterEditor() override { asked.push_back("frmfilter"); }
    void showGraph() override { asked.push_back("frmGraph"); }
    void showTester(const std::string& host, const std::string& port) override {
        asked.push_back("frmCon " + host + " " + port);
    }
    void unloadTester() override {
        asked.push_back("unload frmCon");
        if (onUnloadTester) onUnloadTester();
    }
};

}  // namespace qv::ui::testing
