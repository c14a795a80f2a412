#pragma once
// The connection listing of the netstat command with owners ("Netstat -o"): its result and the
// exact text it prints.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/tcp_table.h"

namespace qv::host {

struct NetstatResult {
    enum Failure { kNone, kStartFailed, kReadFailed };
    Failure failure = kNone;
    uint32_t errorCode = 0;  // the system's error number when failure is not kNone
    std::string output;      // the whole output, however long
};

struct OwnedConnection {
    TcpRow row;
    uint32_t processId = 0;  // 0 when the owner is unknown
};

// The state word the command prints for a row state ("ESTABLISHED", "TIME_WAIT", ...).
const char* netstatStateWord(uint32_t state);
// The command's text for these connections: the heading lines and one line for each connection
// that is not listening, in the given order, with CR LF line ends.
std::string netstatText(const std::vector<OwnedConnection>& connections);

}  // namespace qv::host
