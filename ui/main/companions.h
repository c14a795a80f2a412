#pragma once
// The windows the main window opens or makes along with itself that live above it in the
// program (ui/windows): the program installs one set of them. Until it does (and in tests of the
// main window alone) nothing is opened.
#include <string>

namespace qv::ui {

class frmMain;

class MainCompanions {
public:
    virtual ~MainCompanions() = default;
    // The main window was made, or is going: the windows the engine opens go with it.
    virtual void mainWindowMade(frmMain& /*main*/) {}
    virtual void mainWindowGone() {}
    // The windows the buttons and menu entries open, each not modal.
    virtual void showOpenPorts() {}      // frmport
    virtual void showRuleList() {}       // frmApplications
    virtual void showFilterEditor() {}   // frmfilter: made visible, then shown
    virtual void showGraph() {}          // frmGraph
    // The connection tester on a host and a port (the open-port window's "Send Command").
    virtual void showTester(const std::string& /*host*/, const std::string& /*port*/) {}
    // The connection tester goes as the program ends.
    virtual void unloadTester() {}
};

MainCompanions& companions();
// Installs a set (not owned); nullptr goes back to none.
void setCompanions(MainCompanions* set);

}  // namespace qv::ui
