#pragma once
// The filter pass: the user's filter lists enforced on the raw TCP table, apart from netstat and
// the application rules. The open-port window's timer runs it. Whenever the table's row count
// moved since the last run it refreshes that window and, while filtering is on, closes every
// connection whose remote address, remote port or local port is a checked entry of an active
// list, with a port-log row for each one closed. Each run also adds a port-log row when the ICMP
// echo counters moved.
//
// The pass works on its own copy of the table, so a poll pass run while it lets window messages
// run cannot change the rows under it. A run asked for while one is running does nothing.
#include <cstdint>

namespace qv::engine {

// The pass's state; a new run of the program starts from the default.
struct FilterState {
    int rowCount = 0;       // rows seen by the last pass that walked the table
    bool closed = false;    // the current (or last) run closed a connection
    uint32_t echoSum = 0;   // outgoing echo requests + echo replies last seen
    bool running = false;
};
FilterState& filterState();

// One run.
void FilterPass();

// The open-port window's load: the next run adds an ICMP row whatever the counters are.
void ResetEchoSum();

}  // namespace qv::engine
