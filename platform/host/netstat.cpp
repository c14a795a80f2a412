#include "platform/host/netstat.h"

#include "platform/host/names.h"

namespace qv::host {

const char* netstatStateWord(uint32_t state) {
    static const char* const words[] = {"UNKNOWN",     "CLOSED",     "LISTENING",  "SYN_SENT",
                                        "SYN_RECEIVED", "ESTABLISHED", "FIN_WAIT_1", "FIN_WAIT_2",
                                        "CLOSE_WAIT",  "CLOSING",    "LAST_ACK",   "TIME_WAIT",
                                        "DELETE_TCB"};
    return state < sizeof words / sizeof words[0] ? words[state] : "UNKNOWN";
}

namespace {

// Appends text padded with blanks to width, always followed by at least one blank.
void column(std::string& out, const std::string& text, size_t width) {
    out += text;
    out.append(text.size() < width ? width - text.size() : 1, ' ');
}

std::string endpoint(uint32_t address, uint32_t port) {
    return dottedFromAddress(address) + ":" + std::to_string(portOfRow(port));
}

}  // namespace

std::string netstatText(const std::vector<OwnedConnection>& connections) {
    std::string out;
    out.reserve(160 + connections.size() * 80);
    out += "Active Connections\r\n\r\n";
    out += "  Proto  Local Address          Foreign Address        State           PID\r\n";
    for (const auto& c : connections) {
        if (c.row.state == kTcpListen) continue;
        out += "  ";
        column(out, "TCP", 7);
        column(out, endpoint(c.row.localAddress, c.row.localPort), 23);
        column(out, endpoint(c.row.remoteAddress, c.row.remotePort), 23);
        column(out, netstatStateWord(c.row.state), 16);
        out += std::to_string(c.processId);
        out += "\r\n";
    }
    return out;
}

}  // namespace qv::host
