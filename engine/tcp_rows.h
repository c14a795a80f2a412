#pragma once
// The raw TCP table the engine shares between the change test, the closing of connections and
// the filter pass, and the lookup of a netstat record's row by its endpoints.
#include <optional>
#include <vector>

#include "engine/connection_record.h"
#include "platform/host/tcp_table.h"

namespace qv::engine {

// The engine's row buffer, as the last FillTcpRowBuffer left it.
std::vector<host::TcpRow>& TcpRowBuffer();
// Refills the buffer from the host (every row there is); empty when the table cannot be read.
// Returns the row count.
int FillTcpRowBuffer();

// The row of rows whose local and remote address and port are the record's, preferring one in
// the record's state. Addresses that are not dotted are looked up by name; ports must be
// numbers. Nothing when no row matches (the connection is gone, or the record cannot be read).
std::optional<host::TcpRow> FindTcpRow(const ConnectionRecord& record, const std::vector<host::TcpRow>& rows);

// FindTcpRow over a fresh read of the host's table.
std::optional<host::TcpRow> TcpRowOf(const ConnectionRecord& record);

}  // namespace qv::engine
