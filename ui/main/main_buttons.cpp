// The main window's four picture buttons and two owner-drawn buttons.
#include "platform/base/program_folder.h"
#include "platform/gui/shell.h"
#include "ui/main/companions.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

void frmMain::PictureButton1_Click() { ConfirmQuit(); }
void frmMain::PictureButton2_Click() { companions().showOpenPorts(); }
void frmMain::PictureButton3_Click() { companions().showRuleList(); }
void frmMain::PictureButton4_Click() { companions().showFilterEditor(); }
void frmMain::isButton1_Click() { companions().showGraph(); }

// The updater is a program of its own, started by path whatever the current folder is.
void frmMain::isButton2_Click() {
    Visible(false);
    gui::ShellExecute(hWnd(), "open", base::programFolder() + "\\" + "Updates\\Update.exe", "", "",
                      gui::SW_SHOWNORMAL);
}

}  // namespace qv::ui
