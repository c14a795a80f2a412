#pragma once
// The poll pass: a cheap test of the TCP table's row count, and when it moved (or a caller forces
// it) a fresh connection table from netstat, every connection decided by the permission boxes and
// its application's rule, counted, logged and enforced; then the tray tip and icon, and while the
// main window is visible its application list and counters.
//
// A pass lets window messages run after each connection, so a window event may ask for a pass
// while one is running. Such a request is not run inside the running pass, which goes on to its
// end: one more pass runs right after it, however many requests came meanwhile. So every pass
// completes, no connection is decided twice in one pass, and no alert window sees the table change
// under it.
#include <cstdint>
#include <string_view>

#include "engine/connection_table.h"

namespace qv::engine {

struct TrafficCounts {
    int32_t Incoming = 0;
    int32_t Outbound = 0;
    int32_t Blocked = 0;
    bool operator==(const TrafficCounts&) const = default;
};

// The engine's pass state; a new run starts from the default.
struct PollState {
    TrafficCounts counts;     // of the current (or last) pass
    TrafficCounts previous;   // of the pass before it
    TrafficCounts completed;  // of the last pass that ran to its end
    int lastRowCount = 0;     // row count seen by the last change test; 0 at start
    bool running = false;
    bool rerun = false;       // a pass was asked for while one ran: one more runs after it
    bool ended = false;       // the program is ending: no pass runs any more
};
PollState& pollState();

// Reads the TCP table into the engine's row buffer. False when force is false and the row count
// equals the last one seen; otherwise keeps the count and returns true.
bool TcpTableChanged(bool force);

// One pass. Timer passes give force false; windows that changed a rule, and the tray icon, give
// true.
void PollConnections(bool force);

// The program's end has begun: every later pass (poll or filter) returns at once, and a pass that
// is running stops at its next message pump.
void EndPasses();
bool PassesEnded();

// Closes the connection of record index, when that record belongs to appPath and has the
// endpoints the caller holds (a record that took the index over is refused), and then writes a
// "Blocked" traffic line for it. A connection that cannot be closed stays as it is, without a
// line. True when it was closed.
bool KillConnection(int index, std::string_view appPath, const ConnectionEndpoints& held);
bool KillConnection(const ConnectionTable& table, int index, std::string_view appPath,
                    const ConnectionEndpoints& held);

}  // namespace qv::engine
