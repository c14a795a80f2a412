#include "ui/main/frm_main.h"

#include "engine/cip_helper.h"
#include "ui/main/interface_status.h"
#include "ui/main/statistics_views.h"
#include "ui/main/companions.h"
#include "ui/main/engine_view.h"
#include "ui/main/program_end.h"

namespace qv::ui {

frmMain::frmMain() : Form("frmMain", "frmMain"), engineView_(std::make_unique<EngineView>(*this)) { wireEvents(); }

frmMain::~frmMain() {
    if (runningMain() == this) {
        companions().mainWindowGone();
        setRunningMain(nullptr);
    }
}

engine::MainWindow& frmMain::engineView() { return *engineView_; }

void frmMain::wireEvents() {
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Check5.Click = [this] { Check5_Click(); };
    Slider3.Change = [this] { Slider3_Change(); };

    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
    Timer4.Tick = [this] { Timer4_Timer(); };
    Timer5.Tick = [this] { Timer5_Timer(); };
    Timer6.Tick = [this] { Timer6_Timer(); };
    Timer7.Tick = [this] { Timer7_Timer(); };
    Timer8.Tick = [this] { Timer8_Timer(); };
    Timer9.Tick = [this] { Timer9_Timer(); };
    Timer10.Tick = [this] { Timer10_Timer(); };
    Timer11.Tick = [this] { Timer11_Timer(); };
    Timer12.Tick = [this] { Timer12_Timer(); };
    Timer13.Tick = [this] { Timer13_Timer(); };

    SysTray.MouseUp = [this](int& b, std::int32_t& id) { SysTray_MouseUp(b, id); };
    SysTray.MouseDblClick = [this](int& b, std::int32_t& id) { SysTray_MouseDblClick(b, id); };
    mnuOpen.Click = [this] { mnuOpen_Click(); };
    plsy.Click = [this] { plsy_Click(); };
    efl.Click = [this] { efl_Click(); };
    eac.Click = [this] { eac_Click(); };
    Alw.Click = [this] { Alw_Click(); };
    Blc.Click = [this] { Blc_Click(); };
    ask.Click = [this] { ask_Click(); };
    brp.Click = [this] { brp_Click(); };
    mnuabout.Click = [this] { mnuabout_Click(); };
    exits.Click = [this] { exits_Click(); };
    lvFirewall.MouseDown = [this](int b, int s, float x, float y) { lvFirewall_MouseDown(b, s, x, y); };
    mnuFirewallTrust.Click = [this] { mnuFirewallTrust_Click(); };
    mnuFirewallAsk.Click = [this] { mnuFirewallAsk_Click(); };
    mnuFirewallBlock.Click = [this] { mnuFirewallBlock_Click(); };
    mnuFirewallTerminate.Click = [this] { mnuFirewallTerminate_Click(); };

    PictureButton1.Click = [this] { PictureButton1_Click(); };
    PictureButton2.Click = [this] { PictureButton2_Click(); };
    PictureButton3.Click = [this] { PictureButton3_Click(); };
    PictureButton4.Click = [this] { PictureButton4_Click(); };
    isButton1.Click = [this] { isButton1_Click(); };
    isButton2.Click = [this] { isButton2_Click(); };
}

}  // namespace qv::ui
