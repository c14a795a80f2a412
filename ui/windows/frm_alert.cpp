#include "ui/windows/frm_alert.h"

#include <string>

#include "controls/balloon.h"
#include "engine/cini.h"
#include "engine/alert_tag.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "platform/base/program_folder.h"
#include "platform/gui/sound.h"
#include "ui/main/frm_main.h"
#include "ui/main/run_state.h"

namespace qv::ui {

frmAlert::frmAlert(frmMain& main) : Form("frmAlert", "frmAlert"), main_(main) {
    Label1.Click = [this] { Label1_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
}

frmAlert::~frmAlert() = default;

void frmAlert::Form_Load() {
    if (main_.Check6.Value() == 0) {
        forms::Unload(*this);
        return;
    }
    if (main_.Check7.Value() == 1)
        gui::sndPlaySound(base::programFolder() + "\\Sounds\\open.wav", gui::SND_ASYNC | gui::SND_NODEFAULT);
    if (main_.Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        controls::AddBalloonTip(Text1.hWnd(), "This is a security level");
        controls::AddBalloonTip(Combo.hWnd(), "This is a list action for firewall security");
        controls::AddBalloonTip(Check1.hWnd(), "This is a function to remember for application launch");
    }
}

void frmAlert::Form_Unload(int& /*Cancel*/) {
    // Each step goes on whatever the one before it found. Without a Tag (the window closed as it
    // loaded) there is no process of its own to resume or end.
    alertProcess().Resume();

    const std::string action = Combo.Text();
    auto store = [&](const char* value) {
        engine::cINI& rules = engine::RuleStore();
        rules.Section("RULES");
        rules.Key(lblpath.Caption());
        rules.Value(value);
    };
    if (action == "Ask") {
        store("0");
        engine::PollConnections(true);
    } else if (action == "Block") {
        store("1");
        engine::PollConnections(true);
    } else if (action == "Trust") {
        store("2");
    } else if (action == "Terminate") {
        store("3");
        // The Tag's own process, never the owner of whatever record its index names by now.
        alertProcess().Terminate();
    }

    if (alertMarker() != "1") clearAlertMarker();
    main_.Visible(true);
}

engine::AlertProcess& frmAlert::alertProcess() {
    if (process_.processId() == 0) process_ = engine::AlertProcess(engine::SplitAlertTag(Tag()));
    return process_;
}

void frmAlert::Label1_Click() { forms::Unload(*this); }

void frmAlert::Timer1_Timer() {
    Timer1.Enabled(false);
    Hide();
}

void frmAlert::Timer2_Timer() {
    Timer2.Enabled(false);
    Visible(true);
}

}  // namespace qv::ui
