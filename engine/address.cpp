#include "engine/address.h"

#include "engine/ui_hooks.h"
#include "platform/host/host.h"
#include "platform/host/names.h"

namespace qv::engine {

namespace {
int& socketUsers() {
    static int users = 0;
    return users;
}
}  // namespace

std::string IpToString(uint32_t address) { return host::dottedFromAddress(address); }

uint32_t ResolveAddress(std::string_view name) {
    auto direct = host::addressFromDotted(name);
    if (direct && *direct != kNoAddress) return *direct;
    if (auto found = host::currentHost().hostByName(name)) return *found;
    return kNoAddress;
}

std::string HostNameFromIp(std::string_view ip) {
    if (!SocketsInitialize()) return "";
    auto address = host::addressFromDotted(ip);
    // The broadcast address reads as the conversion's "no address" answer.
    if (!address || *address == kNoAddress) return "Invalid IP.";
    DoEvents();
    auto name = host::currentHost().hostByAddress(*address);
    DoEvents();
    std::string result;
    if (name) {
        if (name->empty()) {
            SocketsCleanup();
            return "";
        }
        result = *name;
    } else {
        result = std::string(ip);
    }
    SocketsCleanup();
    return result;
}

bool SocketsInitialize() {
    ++socketUsers();
    return true;
}

void SocketsCleanup() {
    if (socketUsers() > 0) {
        --socketUsers();
        return;
    }
    MsgBox("Windows Sockets error occurred in Cleanup.", kMbExclamation);
}

}  // namespace qv::engine
