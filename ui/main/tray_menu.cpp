// The tray icon, the tray menu and the quit confirmation.
#include "engine/poll_pass.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/instances.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_help.h"
#include "ui/main/frm_main.h"
#include "ui/main/program_end.h"

namespace qv::ui {

void frmMain::trayClicked() {
    if (Ending()) return;  // the end has begun: a click starts nothing
    engine::PollConnections(true);
    if (Check13.Value() == 1)
        PopupMenu(mnuPop);
    else
        Visible(true);
}

void frmMain::SysTray_MouseUp(int& /*Button*/, std::int32_t& /*id*/) { trayClicked(); }
void frmMain::SysTray_MouseDblClick(int& /*Button*/, std::int32_t& /*id*/) { trayClicked(); }

void frmMain::mnuOpen_Click() { Visible(true); }

// Selecting an option entry changes no option: the mark follows the box, as checkset keeps it.
void frmMain::markOption(forms::CheckBox& box, forms::Menu& entry) {
    if (box.Value() == 1) {
        entry.Checked(true);
    } else {
        box.Value(0);
        entry.Checked(false);
    }
}

void frmMain::plsy_Click() { markOption(Check7, plsy); }
void frmMain::efl_Click() { markOption(Check8, efl); }
void frmMain::eac_Click() { markOption(Check6, eac); }

void frmMain::Alw_Click() { Alw.Checked(Check1.Value() == 1); }
void frmMain::Blc_Click() { Blc.Checked(Check2.Value() == 1); }
void frmMain::ask_Click() { ask.Checked(Check5.Value() == 1); }

void frmMain::brp_Click() { forms::Default<frmHelp>().Show(); }
void frmMain::mnuabout_Click() { forms::Default<frmAbout>().Show(); }
void frmMain::exits_Click() { ConfirmQuit(); }

void frmMain::ConfirmQuit() {
    const int answer = forms::MsgBox(
        "Quarvelin may be necessary for reporting and prosecution of potential hackers!\r\n\r\nAre you sure to quit?",
        forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, "Warning!");
    if (answer == forms::vbYes) {
        engine::PollConnections(false);
        Timer10.Enabled(true);
        return;
    }
    if (Check9.Value() == 0) engine::PollConnections(false);
    Visible(false);
}

}  // namespace qv::ui
