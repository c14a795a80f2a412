#pragma once
// Inputs and measuring helpers shared by the cipher benchmarks.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace qv::cipher::bench {

constexpr std::size_t kBufferSize = std::size_t{16} << 20;  // 16 MiB

// Text like the program's data files: rule lines with paths, numbers and section headers.
std::string TextLike(std::size_t size);

// Uniformly random bytes.
std::string RandomData(std::size_t size);

// Seconds that `checkpoints` progress checkpoints (window messages, abort test, percentage)
// take on the installed sink, each as the long loops make them.
double CheckpointSeconds(long checkpoints);

// A sink that counts the window-message pumps and draws nothing.
struct CountingPump;
long PumpsSoFar();
void InstallCountingPump();

// Adds the counters every buffer benchmark shows: MiB/s through SetBytesProcessed and MB/s
// (MB_per_s) over `seconds`, and the share of the run's time that its progress-and-pump
// checkpoints take (pump_share_pct).
void FinishBufferRun(benchmark::State& state, double seconds, long pumps);

}  // namespace qv::cipher::bench
