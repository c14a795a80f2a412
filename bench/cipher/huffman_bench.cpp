// The Huffman coder over 16 MiB of text-like and of random data, each way.
#include <chrono>

#include "bench/cipher/bench_data.h"
#include "cipher/huffman.h"
#include "cipher/progress.h"

namespace qv::cipher::bench {
namespace {

std::string Input(int kind) { return kind == 0 ? TextLike(kBufferSize) : RandomData(kBufferSize); }

void BM_HuffmanEncode(benchmark::State& state) {
    const std::string input = Input(static_cast<int>(state.range(0)));
    std::string buffer;
    InstallCountingPump();
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        buffer = input;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        if (!HuffmanEncode(buffer)) state.SkipWithError("aborted");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        benchmark::DoNotOptimize(buffer.data());
    }
    FinishBufferRun(state, seconds, PumpsSoFar());
    SetProgressPump(nullptr);
    state.counters["ratio_pct"] = 100.0 * static_cast<double>(buffer.size()) / static_cast<double>(input.size());
    state.SetLabel(state.range(0) == 0 ? "text-like" : "random");
}

void BM_HuffmanDecode(benchmark::State& state) {
    const std::string input = Input(static_cast<int>(state.range(0)));
    std::string block = input;
    HuffmanEncode(block);
    std::string buffer;
    InstallCountingPump();
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        buffer = block;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        if (HuffmanDecode(buffer) != HuffmanStatus::Ok) state.SkipWithError("not decoded");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        benchmark::DoNotOptimize(buffer.data());
    }
    if (buffer != input) state.SkipWithError("decoded bytes differ");
    // Throughput counts the decoded bytes.
    FinishBufferRun(state, seconds, PumpsSoFar());
    SetProgressPump(nullptr);
    state.SetLabel(std::string(state.range(0) == 0 ? "text-like" : "random") + (block.compare(0, 4, "HE3\r") ? ", HE0" : ", HE3"));
}

BENCHMARK(BM_HuffmanEncode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HuffmanDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::cipher::bench
