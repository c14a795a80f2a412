#pragma once
// The main window's shared state held as plain values, with the designer's defaults: what the
// engine sees before the window exists. Tests start from it too.
#include <array>
#include <vector>

#include "engine/main_window.h"

namespace qv::engine {

class DetachedMainWindow : public MainWindow {
public:
    int Check1() const override { return check1; }
    int Check2() const override { return check2; }
    int Check8() const override { return check8; }
    int chkAct(int index) const override;
    int chkLog(int index) const override;
    int Slider3() const override { return slider3; }
    bool Logging() const override { return logging; }

    bool Visible() const override { return visible; }
    void setVisible(bool v) override { visible = v; }

    void setLblIncoming(std::string_view c) override { lblIncoming = c; }
    void setLblOutgoing(std::string_view c) override { lblOutgoing = c; }
    void setLblBlocked(std::string_view c) override { lblBlocked = c; }
    void setUcSlider1Value(std::string_view v) override { ucSlider1 = v; }
    void setUcSlider2Value(std::string_view v) override { ucSlider2 = v; }

    std::string TrayTip() const override { return trayTip; }
    void setTrayTip(std::string_view tip) override { trayTip = tip; }
    void setTrayIcon(int image) override { trayIcon = image; }
    void enableTimer2() override { timer2Enabled = true; }

    void lvFirewallClear() override { lvFirewall.clear(); }
    int lvFirewallAdd(const AppListItem& item) override;
    void lvFirewallRemove(int position) override;

    int lvwLogCount() const override { return static_cast<int>(lvwLog.size()); }
    PortLogRow lvwLogItem(int position) const override;
    void lvwLogAdd(const PortLogRow& row) override { lvwLog.push_back(row); }

    int check1 = 0;
    int check2 = 0;
    int check8 = 1;
    std::array<int, 3> act{1, 1, 1};
    std::array<int, 4> log{0, 0, 0, 0};
    int slider3 = 1;
    bool logging = false;
    bool visible = false;
    std::string lblIncoming, lblOutgoing, lblBlocked, ucSlider1, ucSlider2;
    std::string trayTip = "Quarvelin - Status Normal";
    int trayIcon = 10;
    bool timer2Enabled = false;
    std::vector<AppListItem> lvFirewall;
    std::vector<PortLogRow> lvwLog;
};

}  // namespace qv::engine
