// The filter pass on a simulated machine of 2,000 connections, with 100 checked entries in each
// of the three filter lists and none of them matching a connection: a pass over a table whose row
// count moved (every row matched against every list, the lists taken afresh), and a pass over an
// unchanged table (one table read and one ICMP read).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/detached_main_window.h"
#include "engine/filter_pass.h"
#include "engine/filter_windows.h"
#include "platform/host/sim/sim_host.h"

namespace {

constexpr int kConnections = 2000;
constexpr int kEntries = 100;

struct Filters : qv::engine::FilterWindow {
    qv::engine::FilterLists lists;
    bool Filtering() override { return true; }
    const qv::engine::FilterLists& lvwFilter() override { return lists; }
};

// The machine and the windows, installed while the object lives.
struct Machine {
    qv::host::SimHost sim;
    qv::engine::DetachedMainWindow window;
    Filters filters;
    qv::host::ScopedHost useSim{sim};
    qv::engine::ScopedMainWindow useWindow{window};
    qv::engine::ScopedFilterWindow useFilters{filters};

    Machine() {
        using namespace qv::host;
        using namespace qv::engine;
        for (int i = 0; i < kConnections; ++i) {
            TcpRow row{kTcpEstablished, rowAddress(10, 0, 0, 5), rowPort(static_cast<uint16_t>(20000 + i)),
                       rowAddress(172, 16, static_cast<uint8_t>(i / 250), static_cast<uint8_t>(i % 250 + 1)),
                       rowPort(443)};
            sim.addConnection(row, 1000);
        }
        for (int i = 0; i < kEntries; ++i) {
            std::string address = "192.0.2." + std::to_string(i + 1);
            filters.lists.add(kRemoteAddressList, {address, address, true});
            filters.lists.add(kRemotePortList, {std::to_string(5000 + i), "", true});
            filters.lists.add(kLocalPortList, {std::to_string(6000 + i), "", true});
        }
        filterState() = {};
    }
};

void BM_FilterPassOverAMovedTable(benchmark::State& state) {
    Machine m;
    bool checked = true;
    for (auto _ : state) {
        // The row count moved and an entry was ticked since the last pass.
        qv::engine::filterState().rowCount = -1;
        checked = !checked;
        m.filters.lists.setChecked(qv::engine::kLocalPortList, kEntries - 1, checked);
        qv::engine::FilterPass();
    }
    if (qv::engine::filterState().rowCount != kConnections || m.sim.connections().size() != kConnections)
        state.SkipWithError("the pass did not walk the table, or closed a connection");
}
BENCHMARK(BM_FilterPassOverAMovedTable)->Unit(benchmark::kMicrosecond);

void BM_FilterPassOverAnUnchangedTable(benchmark::State& state) {
    Machine m;
    qv::engine::FilterPass();
    for (auto _ : state) qv::engine::FilterPass();
    if (qv::engine::filterState().rowCount != kConnections) state.SkipWithError("the table was not seen");
}
BENCHMARK(BM_FilterPassOverAnUnchangedTable)->Unit(benchmark::kMicrosecond);

}  // namespace
