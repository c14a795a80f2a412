#include "ui/windows/frm_service_alert.h"

#include "engine/alert_markers.h"
#include "engine/cini.h"
#include "engine/stores.h"
#include "platform/base/basic_error.h"
#include "platform/base/program_folder.h"
#include "platform/gui/sound.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"
#include "ui/windows/statistics_request.h"

namespace qv::ui {

namespace {
constexpr std::size_t kShapeBytes = regionBytes(1);
}  // namespace

frmServiceAlert::frmServiceAlert(frmMain& main)
    : Form("frmServiceAlert", "frmServiceAlert"), main_(main), drag_(*this, main) {
    isButton1.Click = [this] { isButton1_Click(); };
    isButton2.Click = [this] { isButton2_Click(); };
    Winsock1.Connected = [this] { Winsock1_Connect(); };
}

frmServiceAlert::~frmServiceAlert() = default;

void frmServiceAlert::Form_Load() {
    statisticsHost_ = StatisticsHost();
    const StatisticsServer server = StatisticsServerOf(statisticsHost_);
    Winsock1.Close();
    try {
        Winsock1.Connect(server.host, server.port);
    } catch (const base::BasicError&) {
        // A server the socket cannot even try (no port in the option) is passed over.
    }
    if (main_.Check7.Value() == 1)
        gui::sndPlaySound(base::programFolder() + "\\Sounds\\alert.wav", gui::SND_ASYNC | gui::SND_NODEFAULT);
    // Their faces are pictures.
    isButton1.Caption("");
    isButton2.Caption("");
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);
}

void frmServiceAlert::Form_Unload(int& /*Cancel*/) {
    // Its own pair only: the port and the address are kept apart, so no other pair can match.
    engine::PendingAlerts().erase(lblDESC.Tag(), Tag());
}

void frmServiceAlert::Winsock1_Connect() {
    Winsock1.SendData(AlertStatisticsRequest(txtfile.Text(), txthost.Text(), txtport.Text(), statisticsHost_));
}

void frmServiceAlert::markAddress(const char* value) {
    engine::cINI& guard = engine::GuardStore();
    guard.Section("NETWORKING");
    guard.Key(Tag());
    guard.Value(value);
    forms::Unload(*this);
}

// Accept trusts the address: the engine no longer checks its connections for dangerous ports.
void frmServiceAlert::isButton1_Click() { markAddress("TRUSTED"); }

void frmServiceAlert::isButton2_Click() { markAddress("BLOCKED"); }

}  // namespace qv::ui
