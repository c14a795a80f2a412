// The statistics and log views the main window's load and timers drive. They are filled in by
// the views' own code; until it exists these leave the lists as the design made them.
#include "ui/main/frm_main.h"

namespace qv::ui {

void frmMain::LogTrafficx() {}
void frmMain::LogSecurityx() {}
void frmMain::logstat() {}
void frmMain::ShowInterfaceStatus() {}
void frmMain::ShowBandwidth() {}
void frmMain::RefreshTcpStats() {}
void frmMain::RefreshIpStats() {}
void frmMain::RefreshUdpStats() {}
void frmMain::RefreshIcmpStats() {}

}  // namespace qv::ui
