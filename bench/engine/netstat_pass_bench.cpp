// One full pass's table work: parse a 2,000-connection netstat text and give every record its
// owner's path, on a simulated machine of 200 processes. Reported per connection.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/netstat_parser.h"
#include "engine/netstat_runner.h"
#include "platform/host/sim/sim_host.h"

namespace {

constexpr int kConnections = 2000;
constexpr int kProcesses = 200;

qv::host::SimHost busyMachine() {
    using namespace qv::host;
    SimHost sim;
    for (int p = 0; p < kProcesses; ++p)
        sim.addProcess(static_cast<uint32_t>(1000 + p), "C:\\Program Files\\App" + std::to_string(p) + "\\app.exe",
                       {static_cast<uint32_t>(50000 + p)});
    for (int i = 0; i < kConnections; ++i) {
        TcpRow row{kTcpEstablished, rowAddress(10, 0, 0, 5), rowPort(static_cast<uint16_t>(20000 + i)),
                   rowAddress(172, 16, static_cast<uint8_t>(i / 250), static_cast<uint8_t>(i % 250 + 1)),
                   rowPort(443)};
        sim.addConnection(row, static_cast<uint32_t>(1000 + i % kProcesses));
    }
    return sim;
}

void BM_ParseAndFillPaths(benchmark::State& state) {
    qv::host::SimHost sim = busyMachine();
    qv::host::ScopedHost useSim(sim);
    const std::string text = qv::engine::RunNetstat();
    qv::engine::ConnectionTable table;
    for (auto _ : state) {
        qv::engine::ParseNetstat(text, table);
        qv::engine::FillAppPaths(table);
        benchmark::DoNotOptimize(table.records().data());
    }
    if (table.count() != kConnections) state.SkipWithError("not every connection was parsed");
    state.counters["per_connection"] = benchmark::Counter(
        kConnections, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ParseAndFillPaths)->Unit(benchmark::kMicrosecond);

}  // namespace
