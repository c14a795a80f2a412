#include "ui/windows/frm_service_alert.h"

#include "engine/alert_markers.h"
#include "platform/base/program_folder.h"
#include "platform/gui/sound.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

frmServiceAlert::frmServiceAlert(frmMain& main) : Form("frmServiceAlert", "frmServiceAlert"), main_(main) {}

frmServiceAlert::~frmServiceAlert() = default;

void frmServiceAlert::Form_Load() {
    if (main_.Check7.Value() == 1)
        gui::sndPlaySound(base::programFolder() + "\\Sounds\\alert.wav", gui::SND_ASYNC | gui::SND_NODEFAULT);
}

void frmServiceAlert::Form_Unload(int& /*Cancel*/) {
    // Its own pair only: the port and the address are kept apart, so no other pair can match.
    engine::PendingAlerts().erase(lblDESC.Tag(), Tag());
}

}  // namespace qv::ui
