// Painting a 75 by 23 isButton: each look alone on a device context, in each state, and the
// control's whole paint (look and caption) in each style. Target: under 50 us a paint.
#include <benchmark/benchmark.h>

#include <memory>

#include "controls/button.h"
#include "controls/button_looks.h"
#include "platform/forms/form.h"

namespace {

using namespace qv;

constexpr int kWidth = 75, kHeight = 23;
constexpr int kCustomFive = 55;  // Style 5 in custom colours

void BM_Look(benchmark::State& state) {
    const int style = int(state.range(0));
    gfx::Canvas canvas(kWidth, kHeight);
    gfx::DeviceContext dc(canvas);
    controls::LookInputs in;
    in.width = kWidth, in.height = kHeight, in.state = int(state.range(1));
    in.useCustomColors = style == kCustomFive;
    in.backColor = gfx::rgb(0xD4, 0xD0, 0xC8), in.highlightColor = gfx::rgb(0x31, 0x6A, 0xC5);
    const int drawn = style == kCustomFive ? 5 : style;
    for (auto _ : state) {
        controls::LookSurface s(dc, kWidth, kHeight);
        controls::DrawLook(drawn, s, in);
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(BM_Look)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, kCustomFive, 7, 8, 9, 10}, {1, 2, 3, 4}})
    ->ArgNames({"style", "state"})
    ->Unit(benchmark::kMicrosecond);

void BM_ButtonRefresh(benchmark::State& state) {
    forms::Form form("frmBench");
    form.Show();
    auto button = std::make_unique<controls::isButton>(form, "cmdAllow");
    button->Move(0, 0, kWidth * 15, kHeight * 15);
    button->site();
    button->Caption("Allow");
    button->Style(int(state.range(0)));
    for (auto _ : state) {
        button->Refresh();
        benchmark::DoNotOptimize(button->surface().pixels().data());
    }
}
BENCHMARK(BM_ButtonRefresh)->DenseRange(0, 10)->ArgName("style")->Unit(benchmark::kMicrosecond);

}  // namespace
