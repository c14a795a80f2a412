#include "ui/main/main_form.h"

#include "platform/forms/msgbox.h"
#include "ui/main/check_internet_connection_module.h"
#include "ui/main/orderly_end.h"

namespace qv::ui {
namespace {

const char* word(bool b) { return b ? "True" : "False"; }

}  // namespace

MainForm::MainForm() : Form("MainForm", "MainForm") {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void MainForm::Form_Load() { Command1_Click(); }

void MainForm::Command1_Click() {
    struct Step {
        const char* progress;
        forms::TextBox& box;
        bool (*probe)();
    };
    const Step steps[] = {{"Checking for Lan Connection...", Text1, IsLanConnection},
                          {"Checking for Modem Connection...", Text2, IsModemConnection},
                          {"Checking for Connection Via Proxy...", Text3, IsProxyConnection},
                          {"Checking for Any Internet Connection...", Text4, IsOnline},
                          {"Checking if RAS is installed...", Text5, IsRasInstalled}};
    bool online = false;
    int bar = 0;
    for (const Step& s : steps) {
        ProgressLabel.Caption(s.progress);
        ProgressBar1.Value(++bar);
        const bool result = s.probe();
        if (s.probe == IsOnline) online = result;
        s.box.Text(word(result));
    }
    ProgressLabel.Caption("Getting connection type...");
    ProgressBar1.Value(++bar);
    Text6.Text(GetConnectionDescription());
    ProgressBar1.Value(10);
    if (online) {
        forms::Unload(*this);
        return;
    }
    const int answer = forms::MsgBox(
        "You are currently not connected to the internet.A internet connection is required for Quarvelin Firewall "
        "System\r\n\r\nDo you still want continue?",
        forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, "Quarvelin");
    if (answer == forms::vbYes) {
        forms::Unload(*this);
        return;
    }
    requestOrderlyEnd();
}

void MainForm::Command2_Click() { requestOrderlyEnd(); }

}  // namespace qv::ui
