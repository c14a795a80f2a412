// A full poll pass on the benchmark machine when none of its 50 applications has a rule, with the
// program's own alert windows: each application's first connection opens a real connection alert
// (loaded from its design, shaped, with its buttons), filled, shown and made topmost on a headless
// window system, 50 alerts a pass, against the 50 ms target. Between iterations (untimed) the
// alerts are closed and the run starts afresh: no application asked yet, no "ALREADY" marker.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/engine/poll_machine.h"
#include "engine/alert_markers.h"
#include "engine/alert_windows.h"
#include "engine/main_window.h"
#include "engine/poll_pass.h"
#include "engine/ui_hooks.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "platform/gui/sound.h"
#include "platform/gui/window_system.h"
#include "platform/settings/config_folder.h"
#include "ui/main/frm_main.h"
#include "ui/windows/alert_window_set.h"
#include "ui/windows/frm_alert.h"

namespace {

using namespace qv;
using engine::bench::kApps;

int openAlerts() {
    int n = 0;
    for (forms::Form* f : forms::LoadedForms())
        if (dynamic_cast<ui::frmAlert*>(f) != nullptr) ++n;
    return n;
}

void closeAlerts() {
    for (forms::Form* f : forms::LoadedForms())
        if (auto* a = dynamic_cast<ui::frmAlert*>(f)) forms::Unload(*a);
    forms::DoEvents();
}

void BM_FullPassAskingWithAlertWindows(benchmark::State& state) {
    engine::bench::PollMachine m("");
    base::makeDir(m.folder + "/Conf");
    base::makeDir(m.folder + "/config");
    settings::ScopedConfigHome configHome(m.folder + "/config");
    base::FakeClock clock{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock(clock);
    gui::WindowSystem ws;
    gui::ScopedWindowSystem useWindows(ws);
    gui::RecordingSoundPlayer sounds;
    gui::ScopedSoundPlayer useSounds(sounds);
    forms::ScriptedPrompter prompter;
    forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
    forms::setPrompter(&prompter);
    host::ScopedHost useSim(m.sim);
    m.sim.setInternetState({true, host::kInternetLan});
    engine::setDoEventsHandler([] { forms::DoEvents(); });
    {
        auto main = std::make_unique<ui::frmMain>();
        forms::Load(*main);
        main->Logging = true;
        main->Hide();
        engine::ScopedMainWindow useMain(main->engineView());
        ui::AlertWindowSet alerts(*main);
        engine::ScopedAlertWindows useAlerts(alerts);
        engine::pollState() = {};
        for (auto _ : state) {
            state.PauseTiming();
            closeAlerts();
            main->Hide();
            engine::AskedApps().clear();
            base::removeFile(m.folder + "/Data/Firewall.qvl");
            state.ResumeTiming();

            engine::PollConnections(true);

            state.PauseTiming();
            if (openAlerts() != kApps) state.SkipWithError("not every application got its alert");
            state.ResumeTiming();
        }
        closeAlerts();
        forms::resetForms();
        forms::resetRuntime();
    }
    engine::setDoEventsHandler({});
    forms::setPrompter(nullptr);
}
BENCHMARK(BM_FullPassAskingWithAlertWindows)->Unit(benchmark::kMillisecond);

}  // namespace
