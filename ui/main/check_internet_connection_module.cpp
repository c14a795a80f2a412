#include "ui/main/check_internet_connection_module.h"

#include "platform/host/host.h"

namespace qv::ui {
namespace {

bool flagSet(uint32_t flag) { return (host::currentHost().internetState().flags & flag) != 0; }

}  // namespace

bool IsLanConnection() { return flagSet(host::kInternetLan); }
bool IsModemConnection() { return flagSet(host::kInternetModem); }
bool IsProxyConnection() { return flagSet(host::kInternetProxy); }
bool IsOnline() { return host::currentHost().internetState().online; }
bool IsRasInstalled() { return flagSet(host::kInternetRasInstalled); }

std::string GetConnectionDescription() {
    const host::InternetState s = host::currentHost().internetState();
    if (!s.online) return "You are currently not connected to the internet.";
    auto has = [&](uint32_t flag) { return (s.flags & flag) != 0; };
    std::string d;
    if (has(host::kInternetConfigured)) d += "Internet connection is configured.\r\n";
    if (has(host::kInternetLan)) d += "Internet connection via a LAN";
    // One or the other always, so a modem-only line starts with a lone ".".
    d += has(host::kInternetProxy) ? ", and connection is through a proxy server." : ".";
    if (has(host::kInternetModem)) d += "Internet connection via a Modem";
    if (has(host::kInternetOffline)) d += "Internet connection is currently offline.";
    if (has(host::kInternetModemBusy)) d += "Modem is busy with a non-Internet connection.";
    if (has(host::kInternetRasInstalled)) d += "Remote Access Services are installed on local system.";
    return d;
}

}  // namespace qv::ui
