#pragma once
// A simulated machine installed as the host for a test's lifetime, with the few steps the
// engine and window tests take on it: an application, a connection, and whether a connection
// was closed.
#include <cstdint>
#include <string>

#include "platform/host/sim/sim_host.h"
#include "platform/host/tcp_table.h"

namespace qv::host::test {

class SimMachine {
protected:
    SimHost sim;

    // A process with one thread (its id is pid + 1).
    void addApp(uint32_t pid, const std::string& path) { sim.addProcess(pid, path, {pid + 1}); }
    // An established connection from 192.168.1.10:localPort to 10.0.0.remoteLast:remotePort.
    static TcpRow row(uint16_t localPort, uint8_t remoteLast, uint16_t remotePort) {
        return {kTcpEstablished, rowAddress(192, 168, 1, 10), rowPort(localPort), rowAddress(10, 0, 0, remoteLast),
                rowPort(remotePort)};
    }
    void connect(uint32_t pid, uint16_t localPort, uint8_t remoteLast, uint16_t remotePort) {
        sim.addConnection(row(localPort, remoteLast, remotePort), pid);
    }
    bool closed(const TcpRow& r) const {
        for (const auto& d : sim.deletedConnections())
            if (sameEndpoints(d, r)) return true;
        return false;
    }

private:
    ScopedHost useSim_{sim};
};

}  // namespace qv::host::test
