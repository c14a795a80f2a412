#pragma once
// The main window's shared controls as the engine reads and writes them.
#include "engine/main_window.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

class frmMain::EngineView : public engine::MainWindow {
public:
    explicit EngineView(frmMain& f) : f_(f) {}

    int Check1() const override { return f_.Check1.Value(); }
    int Check2() const override { return f_.Check2.Value(); }
    int Check8() const override { return f_.Check8.Value(); }
    int chkAct(int index) const override;
    int chkLog(int index) const override;
    int Slider3() const override { return f_.Slider3.Value(); }
    bool Logging() const override { return f_.Logging; }

    bool Visible() const override { return f_.Visible(); }
    void setVisible(bool visible) override { f_.Visible(visible); }

    void setLblIncoming(std::string_view caption) override { f_.lblIncoming.Caption(std::string(caption)); }
    void setLblOutgoing(std::string_view caption) override { f_.lblOutgoing.Caption(std::string(caption)); }
    void setLblBlocked(std::string_view caption) override { f_.lblBlocked.Caption(std::string(caption)); }
    void setUcSlider1Value(std::string_view value) override { f_.ucSlider1.Value(value); }
    void setUcSlider2Value(std::string_view value) override { f_.ucSlider2.Value(value); }

    std::string TrayTip() const override { return f_.SysTray.TrayTip(); }
    void setTrayTip(std::string_view tip) override { f_.SysTray.TrayTip(std::string(tip)); }
    void setTrayIcon(int ilTrayImage) override;
    void enableTimer2() override { f_.Timer2.Enabled(true); }

    void lvFirewallClear() override { f_.lvFirewall.ListItems().Clear(); }
    int lvFirewallAdd(const engine::AppListItem& item) override;
    void lvFirewallRemove(int position) override;

    int lvwLogCount() const override { return f_.lvwLog.ListItems().Count(); }
    engine::PortLogRow lvwLogItem(int position) const override;
    void lvwLogAdd(const engine::PortLogRow& row) override;

private:
    frmMain& f_;
};

}  // namespace qv::ui
