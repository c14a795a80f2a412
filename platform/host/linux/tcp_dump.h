#pragma once
// The kernel's TCP sockets through one socket-diagnostics netlink dump. It gives what procfs
// net/tcp and net/tcp6 give (rows and socket inodes) without formatting and parsing text, and
// covers both address families in one walk of the kernel's connection hash.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/linux/proc_tcp.h"

namespace qv::host::sockdiag {

// What one datagram of a dump's answer held.
enum class DumpPart {
    kMore,    // sockets (or nothing of ours); the answer goes on
    kDone,    // the end of the answer
    kFailed,  // the kernel's error, or a datagram that does not read
};

// Appends the IPv4 sockets (and the IPv4-mapped sockets of IPv6) that the messages of one
// datagram describe, taking only messages of the given sequence number. On kFailed, error is
// the kernel's error number (positive), or EPROTO for a damaged datagram.
DumpPart appendDumpMessages(std::string_view datagram, uint32_t sequence, std::vector<procfs::TcpEntry>& out,
                            int& error);

// Sends the request for a dump of every TCP socket, IPv4 and IPv6 together, on a
// socket-diagnostics netlink socket; 0, or the error number.
int sendDumpRequest(int fd, uint32_t sequence);

// Every TCP socket of the network namespace, in the kernel's order (listeners first). buffer is
// scratch space reused between calls. False (out emptied, errno set) when the kernel gives no
// dump (no socket-diagnostics support).
bool dumpTcpSockets(std::vector<procfs::TcpEntry>& out, std::string& buffer);

}  // namespace qv::host::sockdiag
