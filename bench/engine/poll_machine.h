#pragma once
// The simulated machine the poll-pass benchmarks run on: 500 established connections owned by 50
// applications in turn, each application one process with one thread, in a program folder of its
// own with the traffic log on. Closing is refused by the machine, so every iteration sees the same
// table.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/detached_main_window.h"
#include "engine/stores.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/host/sim/sim_host.h"

namespace qv::engine::bench {

inline constexpr int kConnections = 500;
inline constexpr int kApps = 50;

inline std::string appPath(int a) { return "C:\\Program Files\\App" + std::to_string(a) + "\\app.exe"; }

struct PollMachine {
    std::string folder;
    host::SimHost sim;
    DetachedMainWindow window;

    // rules: the rule store's text ("" for none).
    explicit PollMachine(const std::string& rules) {
        using namespace qv::host;
        std::string tmpl = (std::filesystem::temp_directory_path() / "qv-bench-XXXXXX").string();
        folder = ::mkdtemp(tmpl.data()) ? tmpl : std::string("/tmp");
        base::setProgramFolder(folder);
        base::makeDir(folder + "/Data");
        if (!rules.empty()) base::writeFileAtomic(folder + "/Data/Firewall.qvl", rules);
        RuleStore().Path(RuleStorePath());
        GuardStore().Path(GuardStorePath());

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
    ~PollMachine() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

}  // namespace qv::engine::bench
