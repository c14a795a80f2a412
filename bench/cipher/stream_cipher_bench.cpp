// The keystream loops over a 16 MiB buffer, each way: MB/s and cycles per byte.
#include <chrono>

#include "bench/cipher/bench_data.h"
#include "cipher/progress.h"
#include "cipher/stream_cipher.h"

namespace qv::cipher::bench {
namespace {

template <bool Encrypt>
void BM_Cipher(benchmark::State& state) {
    std::string buffer = TextLike(kBufferSize);
    InstallCountingPump();
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        KeySchedule("Secret7!", "pcc");
        const bool done = Encrypt ? EncryptBytes(buffer) : DecryptBytes(buffer);
        if (!done) state.SkipWithError("aborted");
        benchmark::DoNotOptimize(buffer.data());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - t0;
    FinishBufferRun(state, elapsed.count(), PumpsSoFar());
    SetProgressPump(nullptr);
    // Cycles per byte at the processor's nominal clock: seconds per byte times cycles per second.
    const double bytes = static_cast<double>(kBufferSize) * static_cast<double>(state.iterations());
    state.counters["cycles_per_byte"] = elapsed.count() / bytes * benchmark::CPUInfo::Get().cycles_per_second;
}

void BM_EncryptBytes(benchmark::State& state) { BM_Cipher<true>(state); }
void BM_DecryptBytes(benchmark::State& state) { BM_Cipher<false>(state); }
BENCHMARK(BM_EncryptBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecryptBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv::cipher::bench
