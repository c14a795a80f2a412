#pragma once
// CheckInternetConnectionModule: the probes of the machine's internet-connection state. Each
// asks the host afresh; the flags are those of host::InternetFlag.
#include <string>

namespace qv::ui {

bool IsLanConnection();
bool IsModemConnection();
bool IsProxyConnection();
bool IsOnline();
bool IsRasInstalled();
// How the machine is connected, in words (see the definition for the pieces).
std::string GetConnectionDescription();

}  // namespace qv::ui
