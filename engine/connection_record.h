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

}  // namespace qv::engine
