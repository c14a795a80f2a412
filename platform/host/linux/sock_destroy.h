#pragma once
// Closing one TCP connection through the kernel's socket-diagnostics netlink interface. The
// kernel allows this only with the network-administration capability.
#include "platform/host/tcp_table.h"

namespace qv::host::sockdiag {

enum class DestroyResult { kDestroyed, kNotFound, kNotPermitted, kFailed };

// Finds the socket with exactly the row's endpoints (IPv4, or an IPv6 socket with the same
// IPv4-mapped endpoints) and destroys it; the socket is named by its cookie, so a connection that
// has gone meanwhile never takes a listener or another socket with it.
DestroyResult destroyTcpConnection(const TcpRow& row);

}  // namespace qv::host::sockdiag
