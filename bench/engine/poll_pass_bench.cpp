// The poll pass on a simulated machine of 500 connections owned by 50 applications that all have
// rules (40 trusted, 10 blocked), with the traffic log on: an idle pass (row count unchanged) and
// a full pass (netstat text, parse, owner paths, rules, logs, enforcement, tray status). Closing
// is refused by the machine so every iteration sees the same table.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/engine/poll_machine.h"
#include "engine/poll_pass.h"

namespace {

using qv::engine::bench::appPath;
using qv::engine::bench::kApps;
using qv::engine::bench::kConnections;
constexpr int kBlockedApps = 10;

struct Machine : qv::engine::bench::PollMachine {
    Machine() : PollMachine(rules()) {}
    static std::string rules() {
        std::string text = "[RULES]\r\n";
        for (int a = 0; a < kApps; ++a) text += appPath(a) + "=" + (a < kBlockedApps ? "1" : "2") + "\r\n";
        return text;
    }
};

void BM_IdlePass(benchmark::State& state) {
    Machine m;
    qv::host::ScopedHost useSim(m.sim);
    qv::engine::ScopedMainWindow useWindow(m.window);
    qv::engine::pollState() = {};
    qv::engine::PollConnections(false);
    for (auto _ : state) qv::engine::PollConnections(false);
    if (qv::engine::Connections().count() != kConnections) state.SkipWithError("not every connection was seen");
}
BENCHMARK(BM_IdlePass);

void fullPass(benchmark::State& state, bool windowVisible) {
    Machine m;
    m.window.visible = windowVisible;
    qv::host::ScopedHost useSim(m.sim);
    qv::engine::ScopedMainWindow useWindow(m.window);
    qv::engine::pollState() = {};
    for (auto _ : state) qv::engine::PollConnections(true);
    const auto& counts = qv::engine::pollState().completed;
    if (counts.Outbound != kConnections || counts.Blocked != kConnections / kApps * kBlockedApps)
        state.SkipWithError("unexpected counts");
}

void BM_FullPass(benchmark::State& state) { fullPass(state, false); }
BENCHMARK(BM_FullPass)->Unit(benchmark::kMicrosecond);

// The same with the main window open: its list is refilled and the rules are enforced again.
void BM_FullPassWindowVisible(benchmark::State& state) { fullPass(state, true); }
BENCHMARK(BM_FullPassWindowVisible)->Unit(benchmark::kMicrosecond);

}  // namespace
