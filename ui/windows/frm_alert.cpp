#include "ui/windows/frm_alert.h"

#include <string>

#include "controls/balloon.h"
#include "engine/alert_tag.h"
#include "engine/cini.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "platform/base/program_folder.h"
#include "platform/forms/msgbox.h"
#include "platform/gui/sound.h"
#include "ui/main/frm_main.h"
#include "ui/main/run_state.h"
#include "ui/main/window_shape.h"
#include "ui/windows/statistics_request.h"

namespace qv::ui {

namespace {

constexpr std::size_t kShapeBytes = regionBytes(50);

void storeRule(const std::string& appPath, const char* value) {
    engine::cINI& rules = engine::RuleStore();
    rules.Section("RULES");
    rules.Key(appPath);
    rules.Value(value);
}

void askForAnAction() { forms::MsgBox("Please choose security action!", forms::vbInformation); }

}  // namespace

frmAlert::frmAlert(frmMain& main) : Form("frmAlert", "frmAlert"), main_(main), drag_(*this, main) {
    isButton1.Click = [this] { isButton1_Click(); };
    isButton2.Click = [this] { isButton2_Click(); };
    Label1.Click = [this] { Label1_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
}

frmAlert::~frmAlert() = default;

void frmAlert::Form_Load() {
    Label5.Caption(StatisticsHost());
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
    // Their faces are pictures.
    isButton1.Caption("");
    isButton2.Caption("");
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);
}

void frmAlert::Form_Unload(int& /*Cancel*/) {
    // Each step goes on whatever the one before it found. Without a Tag (the window closed as it
    // loaded) there is no process of its own to resume or end.
    alertProcess().Resume();

    const std::string action = Combo.Text();
    const std::string& appPath = lblpath.Caption();
    if (action == "Ask") {
        storeRule(appPath, "0");
        engine::PollConnections(true);
    } else if (action == "Block") {
        storeRule(appPath, "1");
        engine::PollConnections(true);
    } else if (action == "Trust") {
        storeRule(appPath, "2");
    } else if (action == "Terminate") {
        storeRule(appPath, "3");
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

void frmAlert::rememberAnswer(const engine::AlertTag& tag, const char* action, int smallIcon) {
    if (Check1.Value() != 1) return;
    storeRule(tag.appPath, action);
    forms::ListItemList& items = main_.lvFirewall.ListItems();
    for (int i = 1; i <= items.Count(); ++i) {
        if (items(i).SubItems(2) != tag.appPath) continue;
        items(i).SmallIcon = smallIcon;
        main_.lvFirewall.Refresh();
        return;
    }
}

void frmAlert::isButton1_Click() {
    if (Combo.Text().empty()) return askForAnAction();
    Hide();
    rememberAnswer(engine::SplitAlertTag(Tag()), "2", 3);
    // Answered: the process goes on now, and the window never shows itself again.
    alertProcess().Resume();
    Timer2.Enabled(false);
    Timer1.Enabled(true);
}

void frmAlert::isButton2_Click() {
    const engine::AlertTag tag = engine::SplitAlertTag(Tag());
    if (Combo.Text().empty()) return askForAnAction();
    Hide();
    rememberAnswer(tag, "1", 2);
    // The alert's own connection, wherever the passes since have put it; none once it ended.
    engine::KillAlertConnection(tag.index, tag.appPath, endpoints);
    forms::Unload(*this);
}

void frmAlert::Label1_Click() { forms::Unload(*this); }

void frmAlert::Timer1_Timer() {
    Winsock1.Close();
    Timer1.Enabled(false);
    Hide();
}

void frmAlert::Timer2_Timer() {
    Timer2.Enabled(false);
    Visible(true);
}

}  // namespace qv::ui
