#pragma once
// The internet-connection state: whether the machine is online, and how.
#include <cstdint>

namespace qv::host {

enum InternetFlag : uint32_t {
    kInternetModem = 1,
    kInternetLan = 2,
    kInternetProxy = 4,
    kInternetModemBusy = 8,
    kInternetRasInstalled = 16,
    kInternetOffline = 32,
    kInternetConfigured = 64,
};

struct InternetState {
    bool online = false;
    uint32_t flags = 0;
    bool operator==(const InternetState&) const = default;
};

}  // namespace qv::host
