#pragma once
// One connection of the last netstat output. Every text is as netstat printed it: addresses may
// be host names, ports may be service names.
#include <cstdint>
#include <string>

namespace qv::engine {

struct ConnectionRecord {
    std::string AppPath;  // the owning executable; "" until FillAppPaths finds it
    int32_t ProcessId = 0;
    std::string LocalPort;
    std::string RemotePort;
    std::string LocalAddress;
    std::string RemoteAddress;
    std::string State;

    bool operator==(const ConnectionRecord&) const = default;
};

// The endpoints of one connection as its record holds them: what a caller that keeps a record's
// index across window events also keeps, to tell that record from another that took its index.
struct ConnectionEndpoints {
    std::string LocalAddress;
    std::string LocalPort;
    std::string RemoteAddress;
    std::string RemotePort;

    bool operator==(const ConnectionEndpoints&) const = default;
};

inline ConnectionEndpoints EndpointsOf(const ConnectionRecord& r) {
    return {r.LocalAddress, r.LocalPort, r.RemoteAddress, r.RemotePort};
}

}  // namespace qv::engine
