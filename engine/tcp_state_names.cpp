#include "engine/tcp_state_names.h"

namespace qv::engine {

namespace {
std::array<std::string, kTcpStateCount>& names() {
    static std::array<std::string, kTcpStateCount> n;
    return n;
}
}  // namespace

void InitTcpStateNames() {
    names() = {"UNKNOWN",     "CLOSED",    "LISTENING", "SYN_SENT",  "SYN_RCVD",
               "ESTABLISHED", "FIN_WAIT1", "FIN_WAIT2", "CLOSE_WAIT", "CLOSING",
               "LAST_ACK",    "TIME_WAIT", "DELETE_TCB"};
}

const std::array<std::string, kTcpStateCount>& TcpStateNames() { return names(); }

std::string TcpStateName(int state) {
    if (state < 0 || state >= kTcpStateCount) return "";
    return names()[static_cast<std::size_t>(state)];
}

}  // namespace qv::engine
