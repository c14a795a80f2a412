#include "ui/windows/frm_alert.h"

#include <cstdint>
#include <limits>
#include <string>

#include "controls/balloon.h"
#include "engine/cini.h"
#include "engine/connection_table.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "engine/stores.h"
#include "platform/base/program_folder.h"
#include "platform/gui/sound.h"
#include "ui/main/frm_main.h"
#include "ui/main/run_state.h"

namespace qv::ui {

namespace {

// The Tag's fields: process id, connection index and application path, joined by ",". The path
// is everything after the second comma, so a path holding a comma stays whole.
struct AlertTagFields {
    std::string processId, index, path;
};

AlertTagFields splitTag(const std::string& tag) {
    AlertTagFields f;
    const std::size_t a = tag.find(',');
    f.processId = tag.substr(0, a);
    if (a == std::string::npos) return f;
    const std::size_t b = tag.find(',', a + 1);
    f.index = tag.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
    if (b != std::string::npos) f.path = tag.substr(b + 1);
    return f;
}

// A decimal number of the tag that fits 32 bits, or -1 when the field holds none.
long long tagNumber(const std::string& field) {
    if (field.empty() || field.size() > 10 || field.find_first_not_of("0123456789") != std::string::npos) return -1;
    const long long n = std::stoll(field);
    return n <= std::numeric_limits<int32_t>::max() ? n : -1;
}

}  // namespace

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
    // Each step goes on whatever the one before it found.
    const AlertTagFields tag = splitTag(Tag());
    const long long pid = tagNumber(tag.processId);
    // Without a tag (the window closed as it loaded) there is no process of its own to resume.
    if (pid > 0) engine::ResumeProcess(static_cast<int32_t>(pid));

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
        const long long index = tagNumber(tag.index);
        if (index >= 0 && index <= 2000) {
            const engine::ConnectionRecord* r = engine::Connections().at(static_cast<int>(index));
            if (r && r->ProcessId > 0) engine::KillProcess(r->ProcessId);
        }
    }

    if (alertMarker() != "1") clearAlertMarker();
    main_.Visible(true);
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
