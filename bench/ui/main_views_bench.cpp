// The main window's two fastest ticks when nothing changed: ShowInterfaceStatus (every 10 ms)
// and RefreshTcpStats (every 250 ms), on LinuxHost inside a sandbox of its own namespaces (only
// the loopback interface, no traffic), each against its 100 us target.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "engine/cip_helper.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/host/host.h"
#include "platform/host/linux/linux_host.h"
#include "platform/host/linux/sandbox.h"
#include "ui/main/interface_status.h"
#include "ui/main/statistics_views.h"

namespace {

using namespace qv;

// The main window's controls that the two ticks write.
class frmStats : public forms::Form {
public:
    frmStats() : Form("frmStats") {
        for (forms::ListView* l : {&ListView1, &ListView2, &ListView3, &ListView4}) {
            l->ColumnHeaders().Add(-1, "", "Parameter");
            l->ColumnHeaders().Add(-1, "", "Value");
        }
        ui::AddActivityPictures(ImageList1);
    }
    forms::ListView ListView1{*this, "ListView1"}, ListView2{*this, "ListView2"}, ListView3{*this, "ListView3"},
        ListView4{*this, "ListView4"};
    forms::Label lblType{*this, "lblType"}, lblRecv{*this, "lblRecv"}, lblSent{*this, "lblSent"};
    forms::Image Image1{*this, "Image1"};
    forms::ImageList ImageList1{*this, "ImageList1"};
};

struct Window {
    frmStats form;
    engine::CIpHelper helper;
    ui::InterfaceStatus status{helper, {form.lblType, form.lblRecv, form.lblSent, form.Image1, form.ImageList1}};
    ui::StatisticsViews stats{form.ListView1, form.ListView2, form.ListView3, form.ListView4};
};

Window* window = nullptr;

void BM_ShowInterfaceStatusUnchanged(benchmark::State& state) {
    window->status.ShowInterfaceStatus();
    for (auto _ : state) window->status.ShowInterfaceStatus();
}
BENCHMARK(BM_ShowInterfaceStatusUnchanged);

void BM_RefreshTcpStatsUnchanged(benchmark::State& state) {
    window->stats.RefreshTcpStats();
    for (auto _ : state) window->stats.RefreshTcpStats();
}
BENCHMARK(BM_RefreshTcpStatsUnchanged);

class Collect : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) seconds[r.benchmark_name()] = r.GetAdjustedRealTime() * 1e-9;
    }
};

int runBenchmarks(int argc, char** argv) {
    host::LinuxHost linux;
    host::ScopedHost useLinux(linux);
    Window w;
    window = &w;
    w.stats.logstat();
    benchmark::Initialize(&argc, argv);
    Collect report;
    benchmark::RunSpecifiedBenchmarks(&report);
    for (const auto& [name, s] : report.seconds)
        std::printf("  %s takes %.3fx its 100 us target\n", name.c_str(), s / 100e-6);
    window = nullptr;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    host::SandboxRun run = host::runInSandbox([&] { return runBenchmarks(argc, argv); }, 600);
    if (!run.ran) {
        std::fprintf(stderr, "no namespaces for the benchmark: %s\n", run.unavailable.c_str());
        return 1;
    }
    return run.exitCode;
}
