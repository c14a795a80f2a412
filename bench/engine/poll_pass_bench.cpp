// The poll pass on a simulated machine of 500 connections owned by 50 applications that all have
// rules (40 trusted, 10 blocked), with the traffic log on: an idle pass (row count unchanged) and
// a full pass (netstat text, parse, owner paths, rules, logs, enforcement, tray status). Closing
// is refused by the machine so every iteration sees the same table.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/detached_main_window.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/host/sim/sim_host.h"

namespace {

constexpr int kConnections = 500;
constexpr int kApps = 50;
constexpr int kBlockedApps = 10;

std::string appPath(int a) { return "C:\\Program Files\\App" + std::to_string(a) + "\\app.exe"; }

struct Machine {
    std::string folder;
    qv::host::SimHost sim;
    qv::engine::DetachedMainWindow window;

    Machine() {
        using namespace qv::host;
        std::string tmpl = (std::filesystem::temp_directory_path() / "qv-bench-XXXXXX").string();
        folder = ::mkdtemp(tmpl.data()) ? tmpl : std::string("/tmp");
        qv::base::setProgramFolder(folder);
        qv::base::makeDir(folder + "/Data");
        std::string rules = "[RULES]\r\n";
        for (int a = 0; a < kApps; ++a) rules += appPath(a) + "=" + (a < kBlockedApps ? "1" : "2") + "\r\n";
        qv::base::writeFileAtomic(folder + "/Data/Firewall.qvl", rules);
        qv::engine::RuleStore().Path(qv::engine::RuleStorePath());
        qv::engine::GuardStore().Path(qv::engine::GuardStorePath());

        sim.setOwnProcess(2, 1);
        for (int a = 0; a < kApps; ++a)
            sim.addProcess(static_cast<uint32_t>(1000 + a), appPath(a), {static_cast<uint32_t>(5000 + a)});
        for (int i = 0; i < kConnections; ++i) {
            TcpRow row{kTcpEstablished, rowAddress(10, 0, 0, 5), rowPort(static_cast<uint16_t>(20000 + i)),
                       rowAddress(172, 16, static_cast<uint8_t>(i / 250), static_cast<uint8_t>(i % 250 + 1)),
                       rowPort(443)};
            sim.addConnection(row, static_cast<uint32_t>(1000 + i % kApps));
        }
        sim.setCanDeleteConnections(false);
    }
    ~Machine() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
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
