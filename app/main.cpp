// Quarvelin's entry point: reads the command line, settles the program folder and that no other
// copy runs over it, chooses the machine to watch, and starts the splash.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/display.h"
#include "app/loop_sources.h"
#include "app/options.h"
#include "app/version.h"
#include "engine/connection_closer.h"
#include "platform/base/activation_socket.h"
#include "platform/base/files.h"
#include "platform/base/instance_lock.h"
#include "platform/base/program_folder.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/gui/window_system.h"
#include "platform/host/host.h"
#include "platform/host/linux/linux_host.h"
#include "platform/host/sim/sim_host.h"
#include "ui/main/program_hooks.h"
#include "ui/main/splash.h"
#include "ui/windows/encode_progress.h"
#include "ui/windows/program_windows.h"

namespace {

using qv::app::Options;

void say(const std::string& line) { std::fprintf(stderr, "quarvelin: %s\n", line.c_str()); }

// Another copy runs over the folder: it is asked to come forward and this start ends, having
// read or written nothing in the folder.
int ActivatePrevInstance(const std::string& folder) {
    if (!qv::base::sendActivationRequest(folder))
        say("Quarvelin already runs over " + folder + "; it could not be asked to come forward.");
    return 0;
}

std::unique_ptr<qv::host::Host> makeHost(const Options& o, std::string& error) {
    if (o.host == Options::HostKind::Linux) return std::make_unique<qv::host::LinuxHost>();
    auto sim = std::make_unique<qv::host::SimHost>();
    if (o.scenario.empty()) {
        *sim = qv::host::SimHost::withDefaultScenario();
        return sim;
    }
    auto text = qv::base::readFile(o.scenario);
    if (!text) {
        error = "cannot read the scenario " + o.scenario;
        return nullptr;
    }
    std::string why;
    if (!sim->loadScenario(*text, &why)) {
        error = o.scenario + ": " + why;
        return nullptr;
    }
    return sim;
}

int run(const Options& o) {
    qv::app::Display display;
    if (o.host == Options::HostKind::Linux && !display.shown()) {
        say("--host=linux needs a display (" + display.why() +
            "): without one nobody could answer its alerts, and every unknown application would stay suspended.");
        return 2;
    }

    const std::string exeFolder = qv::base::folderOf(qv::base::executablePath());
    const std::string folder = o.folder.empty() ? exeFolder : qv::base::nativePath(o.folder);
    if (!qv::base::dirExists(folder)) {
        say("the program folder " + folder + " does not exist");
        return 2;
    }

    std::string error;
    std::unique_ptr<qv::host::Host> machine = makeHost(o, error);
    if (!machine) {
        say(error);
        return 2;
    }

    // Before anything in the folder is read or written.
    qv::base::FolderLock lock(folder);
    if (lock.state() == qv::base::FolderLock::State::HeldByAnother) return ActivatePrevInstance(folder);
    if (lock.state() == qv::base::FolderLock::State::Failed) {
        say(lock.error());
        return 1;
    }
    qv::base::setProgramFolder(folder);
    qv::host::setCurrentHost(machine.get());

    qv::base::ActivationListener listener(folder);
    if (!listener.listening()) say("later starts cannot bring this one forward: " + listener.error());
    qv::app::SignalSource signals;
    qv::app::ActivationSource activation(listener);

    qv::forms::setDesignFolder(qv::base::joinPath(exeFolder, "Forms"));
    qv::ui::ProgramHooks hooks(&qv::ui::EncodeProgress());
    qv::ui::ProgramWindows windows;
    qv::ui::setCompanions(&windows);
    if (o.host == Options::HostKind::Linux) qv::engine::CheckCloseRights();

    // Shown and painted at once, as a program's first window is (ShowWindow, then UpdateWindow).
    qv::ui::splash& first = qv::forms::Default<qv::ui::splash>();
    first.Show();
    qv::gui::windows().updateWindow(first.hWnd());
    if (!display.shown()) say("no display found (" + display.why() + "); running without windows until ended.");
    // The one loop: windows, timers, the signals and later starts, until the orderly end.
    const int code = qv::gui::windows().runMessageLoop();

    // The forms go now, while what they call on their way out still lives; left to the end of
    // the process they would outlive it.
    qv::forms::End();
    qv::ui::setCompanions(nullptr);
    qv::host::setCurrentHost(nullptr);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = qv::app::parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "quarvelin: %s\n\n%s", error.c_str(), qv::app::usageText().c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(qv::app::usageText().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("Quarvelin %s\n", qv::app::kVersion);
        return 0;
    }
    try {
        return run(*options);
    } catch (const std::exception& e) {
        say(std::string("stopped: ") + e.what());
        return 1;
    }
}
