#pragma once
// Closing one connection of the TCP table, and the one notice a run gives when the program lacks
// the rights to close connections (on Linux the network-administration capability): a message
// box and a security-log line, after which the program goes on monitoring.
#include <string_view>

#include "platform/host/tcp_table.h"

namespace qv::engine {

inline constexpr std::string_view kCannotCloseMessage =
    "Quarvelin cannot close connections: it needs the network-administration capability. "
    "It goes on monitoring them.";

// Closes the connection with the row's endpoints; true when it was closed. A close that fails
// for want of rights gives the notice, once a run.
bool CloseTcpRow(host::TcpRow row);

// Gives the notice, once a run, when the current host cannot close connections; true when it
// can. Start-up calls it once the host is chosen.
bool CheckCloseRights();

// A new run: the notice may be given again.
void ResetCloseRightsNotice();

}  // namespace qv::engine
