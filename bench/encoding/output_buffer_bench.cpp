// The bit writer: a record body of 1 MB written bit field by bit field.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "vectrel/encoding/output_buffer.h"

namespace {

constexpr std::uint32_t kBodyBytes = 1 << 20;

void BM_WriteBitsOneMegabyte(benchmark::State& state) {
  // Field widths as shape records use them: flags, 5-bit counts, coordinates.
  const std::vector<int> widths = {1, 1, 5, 17, 17, 2, 13, 13, 1, 4, 6, 20, 3, 9, 32, 7};
  std::uint32_t total_bits = 0;
  for (int w : widths) total_bits += static_cast<std::uint32_t>(w);
  const std::uint32_t rounds = kBodyBytes * 8 / total_bits + 1;
  for (auto _ : state) {
    vectrel::OutputBuffer body;
    std::uint32_t value = 0x9E3779B9u;
    for (std::uint32_t r = 0; r < rounds; ++r) {
      for (int w : widths) {
        body.WriteBits(value, w);
        value = value * 1664525u + 1013904223u;
      }
    }
    body.Align();
    benchmark::DoNotOptimize(body.bytes().data());
    state.counters["bytes"] = body.Length();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBodyBytes);
}
BENCHMARK(BM_WriteBitsOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
