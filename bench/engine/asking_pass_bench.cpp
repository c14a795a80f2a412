// A full poll pass on the benchmark machine when none of its 50 applications has a rule: each
// application's first connection marks it, writes its security-log line, suspends its process and
// opens an alert, 50 alerts a pass. Between iterations (untimed) the run starts afresh: no
// application asked yet and no "ALREADY" marker.
//  BM_FullPassAsking: alerts that stay open, so each is filled, shown and followed by the
//  trojan-list lookup (the shipped list, decrypted and sealed again each time).
//  BM_FullPassAskingClosedAlerts: the engine's own stand-in, whose alerts close as they load.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/engine/poll_machine.h"
#include "engine/alert_markers.h"
#include "engine/alert_windows.h"
#include "engine/main_window.h"
#include "engine/poll_pass.h"
#include "platform/base/files.h"

namespace {

using qv::engine::bench::kApps;
using qv::engine::bench::kConnections;

struct OpenAlertWindows final : qv::engine::AlertWindows {
    int opened = 0;
    std::shared_ptr<qv::engine::ConnectionAlert> newConnectionAlert() override {
        ++opened;
        return std::make_shared<qv::engine::BlankConnectionAlert>(false);
    }
    std::shared_ptr<qv::engine::ServiceAlert> newServiceAlert() override { return nullptr; }
    bool blockAllVisible() const override { return false; }
};

void askingPass(benchmark::State& state, OpenAlertWindows* open) {
    qv::engine::bench::PollMachine m("");
    auto trojans = qv::base::readFile(QV_SOURCE_DIR "/assets/Data/trojan.exe");
    if (!trojans || !qv::base::writeFileAtomic(m.folder + "/Data/trojan.exe", *trojans)) {
        state.SkipWithError("the shipped trojan list could not be put in place");
        return;
    }
    qv::host::ScopedHost useSim(m.sim);
    qv::engine::ScopedMainWindow useWindow(m.window);
    std::unique_ptr<qv::engine::ScopedAlertWindows> useAlerts;
    if (open) useAlerts = std::make_unique<qv::engine::ScopedAlertWindows>(*open);
    qv::engine::pollState() = {};
    for (auto _ : state) {
        state.PauseTiming();
        qv::engine::AskedApps().clear();
        qv::base::removeFile(m.folder + "/Data/Firewall.qvl");
        const int before = open ? open->opened : 0;
        state.ResumeTiming();

        qv::engine::PollConnections(true);

        state.PauseTiming();
        if (qv::engine::AskedApps().size() != static_cast<std::size_t>(kApps) ||
            (open && open->opened - before != kApps)) {
            state.SkipWithError("not every application was asked about");
        }
        state.ResumeTiming();
    }
    if (qv::engine::pollState().completed.Outbound != kConnections) state.SkipWithError("unexpected counts");
}

void BM_FullPassAsking(benchmark::State& state) {
    OpenAlertWindows open;
    askingPass(state, &open);
}
BENCHMARK(BM_FullPassAsking)->Unit(benchmark::kMillisecond);

void BM_FullPassAskingClosedAlerts(benchmark::State& state) { askingPass(state, nullptr); }
BENCHMARK(BM_FullPassAskingClosedAlerts)->Unit(benchmark::kMillisecond);

}  // namespace
