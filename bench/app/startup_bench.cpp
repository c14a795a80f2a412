// How quickly the program comes up and how little it costs once it lives in the tray.
//   BM_ExecToSplashShown: exec of the program until its splash is shown and painted (SimHost, no
//   display).
//   BM_SplashFirstPaint: the splash made, loaded and drawn whole for the first time in a process.
//   BM_HiddenInTheTray: the running program after the splash, on the shipped scenario: its CPU
//   share over ten seconds (the 10 ms interface timer included) and its resident memory.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/folder_layout.h"
#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/present/render.h"
#include "platform/gui/window_system.h"
#include "tests/app/program_process.h"
#include "ui/main/splash.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using qv::app::testing::ProgramProcess;

// A program folder, configuration and runtime folder of the benchmark's own.
struct Scratch {
    fs::path root = fs::temp_directory_path() / ("qvb" + std::to_string(::getpid()));
    Scratch() {
        fs::remove_all(root);
        fs::create_directories(root / "program");
        fs::create_directories(root / "config");
        fs::create_directories(root / "run");
        ::chmod((root / "run").c_str(), 0700);
        qv::app::layOutProgramFolder(QV_SOURCE_DIR "/assets", (root / "program").string());
    }
    ~Scratch() { fs::remove_all(root); }
    std::map<std::string, std::string> env() const {
        return {{"XDG_CONFIG_HOME", (root / "config").string()}, {"XDG_RUNTIME_DIR", (root / "run").string()}, {"DISPLAY", ""}};
    }
    std::vector<std::string> args() const { return {"--folder=" + (root / "program").string()}; }
};

// utime + stime of a process, in clock ticks.
long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string f;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> f; ++i) {
        if (i == 14) utime = std::stol(f);
        if (i == 15) stime = std::stol(f);
    }
    return utime + stime;
}

long residentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void BM_ExecToSplashShown(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ProgramProcess p(scratch.args(), scratch.env());
        if (!p.waitForError("no display found", 5s)) state.SkipWithError("the splash never came");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        p.signal(SIGTERM);
        p.waitExit(5s);
    }
}
BENCHMARK(BM_ExecToSplashShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SplashFirstPaint(benchmark::State& state) {
    qv::forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
    for (auto _ : state) {
        qv::gui::WindowSystem ws;
        qv::gui::ScopedWindowSystem useWindows(ws);
        qv::ui::splash& s = qv::forms::Default<qv::ui::splash>();
        s.Show();
        benchmark::DoNotOptimize(qv::present::renderForm(s));
        state.PauseTiming();
        qv::forms::resetForms();
        qv::forms::resetRuntime();
        state.ResumeTiming();
    }
}
// One iteration: the first paint of a process is the one that counts (fonts are read then).
BENCHMARK(BM_SplashFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HiddenInTheTray(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        ProgramProcess p(scratch.args(), scratch.env());
        const fs::path opened = scratch.root / "program" / "Data" / "Guard.qvl";
        for (int i = 0; i < 150 && !fs::exists(opened); ++i) std::this_thread::sleep_for(100ms);
        if (!fs::exists(opened)) {
            state.SkipWithError("the main window never opened");
            break;
        }
        std::this_thread::sleep_for(1s);  // the first passes
        const long before = cpuTicks(p.pid());
        const auto t0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(10s);
        const long after = cpuTicks(p.pid());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double share = double(after - before) / double(::sysconf(_SC_CLK_TCK)) / seconds;
        state.counters["cpu_share_of_a_core"] = share;
        state.counters["cpu_vs_1pct_target"] = share / 0.01;
        const double rssMiB = residentKiB(p.pid()) / 1024.0;
        state.counters["resident_MiB"] = rssMiB;
        state.counters["resident_vs_40MiB_target"] = rssMiB / 40.0;
        state.SetIterationTime(seconds);
        p.signal(SIGTERM);
        p.waitExit(10s);
    }
}
BENCHMARK(BM_HiddenInTheTray)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
