#pragma once
// The kernel's TCP socket lists (procfs net/tcp and net/tcp6) read into table rows.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/host/tcp_table.h"

namespace qv::host::procfs {

struct TcpEntry {
    TcpRow row;
    uint64_t inode = 0;   // 0 for sockets no process holds (time-wait, orphans)
    bool mapped = false;  // an IPv4 connection of an IPv6 socket (::ffff:a.b.c.d)
};

// The row state for a kernel TCP state number; 0 for a number the kernel does not use.
uint32_t rowStateFromKernel(unsigned kernelState);

// Appends the rows of a net/tcp text. With ipv6 the text is net/tcp6 and only its IPv4-mapped
// sockets are taken, as the table holds IPv4 addresses only. Lines that do not read as a socket
// (the heading, damaged lines) are left out. Returns the number of rows appended.
size_t appendTcpEntries(std::string_view text, bool ipv6, std::vector<TcpEntry>& out);

// The "inuse" count of a protocol line ("TCP6: inuse 3") of a net/sockstat or net/sockstat6
// text; nullopt when the line is not there.
std::optional<uint64_t> socketsInUse(std::string_view sockstatText, std::string_view protocol);

}  // namespace qv::host::procfs
