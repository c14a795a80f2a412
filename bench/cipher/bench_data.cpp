#include "bench/cipher/bench_data.h"

#include <chrono>
#include <random>

#include "cipher/progress.h"
#include "cipher/ultra_state.h"

namespace qv::cipher::bench {

namespace {
struct Counting final : ProgressPump {
    void showProgress(float p) override { benchmark::DoNotOptimize(p); }
    void pumpMessages() override { ++pumps; }
    void setBusyPointer(bool) override {}
    long pumps = 0;
};
Counting g_pump;
}  // namespace

std::string TextLike(std::size_t size) {
    static const char* const words[] = {"Program Files", "Windows", "System32", "Tools", "Mail", "Browser",
                                        "Update", "Agent", "Common Files", "Player", "Chat", "Office"};
    std::mt19937 g(42);
    std::string s;
    s.reserve(size + 128);
    while (s.size() < size) {
        if (g() % 40 == 0) s += g() % 2 ? "[RULES]\r\n" : "[ALREADY]\r\n";
        s += "C:\\";
        s += words[g() % 12];
        s += '\\';
        s += words[g() % 12];
        s += "\\app";
        s += std::to_string(g() % 1000);
        s += ".exe=";
        s += g() % 3 ? std::to_string(g() % 3) : std::string("YES");
        s += "\r\n";
    }
    s.resize(size);
    return s;
}

std::string RandomData(std::size_t size) {
    std::mt19937_64 g(7);
    std::string s(size, '\0');
    for (std::size_t k = 0; k < size; k += 8) {
        const uint64_t v = g();
        for (std::size_t b = 0; b < 8 && k + b < size; ++b) s[k + b] = static_cast<char>(v >> (8 * b));
    }
    return s;
}

void InstallCountingPump() {
    g_pump.pumps = 0;
    SetProgressPump(&g_pump);
}

long PumpsSoFar() { return g_pump.pumps; }

double CheckpointSeconds(long checkpoints) {
    const long repeat = std::max(1L, 2000000L / std::max(1L, checkpoints));
    const auto t0 = std::chrono::steady_clock::now();
    for (long r = 0; r < repeat; ++r) {
        ULTRA.LastPercent = 0;
        for (long i = 0; i < checkpoints; ++i) {
            PumpMessages();
            if (ULTRA.AbortRequested) return 0;
            ReportProgress(ProgressFraction(static_cast<double>(i), static_cast<double>(checkpoints)) * 44 + 56);
        }
    }
    const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
    return d.count() / static_cast<double>(repeat);
}

void FinishBufferRun(benchmark::State& state, double seconds, long pumps) {
    const auto iterations = static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBufferSize));
    const long perRun = pumps / static_cast<long>(state.iterations());
    const double share = CheckpointSeconds(perRun) / (seconds / iterations);
    // Decimal megabytes, the unit of the speed targets (bytes_per_second counts 2^20 bytes).
    state.counters["MB_per_s"] = iterations * static_cast<double>(kBufferSize) / seconds / 1e6;
    state.counters["pumps_per_run"] = static_cast<double>(perRun);
    state.counters["pump_share_pct"] = 100.0 * share;
}

}  // namespace qv::cipher::bench
