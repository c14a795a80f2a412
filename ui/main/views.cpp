// The statistics, interface and log views on the main window's controls, as its load and its
// timers call them.
#include "engine/cip_helper.h"
#include "platform/forms/types.h"
#include "ui/main/frm_main.h"
#include "ui/main/interface_status.h"
#include "ui/main/log_views.h"
#include "ui/main/statistics_views.h"

namespace qv::ui {

void frmMain::makeViews() {
    IpHelper = std::make_unique<engine::CIpHelper>();
    statistics = std::make_unique<StatisticsViews>(ListView1, ListView2, ListView3, ListView4);
    interfaceStatus = std::make_unique<InterfaceStatus>(
        *IpHelper, InterfaceStatus::Controls{lblType, lblRecv, lblSent, Image1, ImageList1});
    bandwidth = std::make_unique<Bandwidth>(*IpHelper, Bandwidth::Controls{Label16, Label14, Label15, Label12});
    AddActivityPictures(ImageList1);
}

void frmMain::LogTrafficx() {
    Picture2.ForeColor(0);
    Picture2.BackColor(forms::kSysButtonFace);
    Picture2.AutoRedraw(true);
    int16_t width = 1440;
    DrawPercentBar(width);
    ui::LogTrafficx(lvLog);
}

void frmMain::LogSecurityx() { ui::LogSecurityx(lvSec); }
void frmMain::logstat() { statistics->logstat(); }
void frmMain::ShowInterfaceStatus() { interfaceStatus->ShowInterfaceStatus(); }
void frmMain::ShowBandwidth() { bandwidth->ShowBandwidth(); }
void frmMain::RefreshTcpStats() { statistics->RefreshTcpStats(); }
void frmMain::RefreshIpStats() { statistics->RefreshIpStats(); }
void frmMain::RefreshUdpStats() { statistics->RefreshUdpStats(); }
void frmMain::RefreshIcmpStats() { statistics->RefreshIcmpStats(); }

}  // namespace qv::ui
