// ADPCM encoding speed, 16-bit input, 5-bit codes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "vectrel/encoding/adpcm_encoder.h"

namespace {

std::vector<std::int16_t> Signal(std::size_t frames, int channels) {
  std::vector<std::int16_t> s(frames * static_cast<std::size_t>(channels));
  std::uint32_t noise = 1;
  for (std::size_t i = 0; i < s.size(); ++i) {
    noise = noise * 1103515245u + 12345u;
    s[i] = static_cast<std::int16_t>(10000.0 * std::sin(static_cast<double>(i) * 0.013) +
                                     static_cast<double>(static_cast<int>(noise >> 19) - 4096));
  }
  return s;
}

void BM_AdpcmEncode(benchmark::State& state) {
  const int channels = static_cast<int>(state.range(0));
  const std::size_t frames = 44100 * 10;  // ten seconds at 44 kHz
  const auto samples = Signal(frames, channels);
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(vectrel::AdpcmEncoder::EncodedSize(frames, channels, 5)));
  for (auto _ : state) {
    out.clear();
    vectrel::AdpcmEncoder encoder((channels == 2 ? 1 : 0) | 2, 5);
    encoder.Encode(samples.data(), frames, out);
    encoder.Flush(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(frames));
  state.SetLabel(channels == 2 ? "stereo frames" : "mono frames");
}
BENCHMARK(BM_AdpcmEncode)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The whole path of a WAV data chunk: widening in pieces, encoding, output
// reserved to size.
void BM_EncodeWaveData(benchmark::State& state) {
  const int channels = static_cast<int>(state.range(0));
  const std::size_t frames = 44100 * 10;
  const auto samples = Signal(frames, channels);
  std::vector<std::uint8_t> data;
  for (std::int16_t s : samples) {
    data.push_back(static_cast<std::uint8_t>(s));
    data.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
  }
  for (auto _ : state) {
    auto out = vectrel::EncodeWaveData(data.data(), static_cast<std::uint32_t>(frames), channels == 2, true, 5);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(frames));
}
BENCHMARK(BM_EncodeWaveData)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
