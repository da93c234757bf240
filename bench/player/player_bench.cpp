// Frames rendered per second for a 420 x 180 movie with 20 texts, random
// access into a 2,000-frame movie, and the memory a full play-through takes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <fstream>
#include <unistd.h>

#include "player/flash_player_control.h"
#include "player/movie_reader.h"
#include "player/renderer.h"
#include "player/timeline.h"
#include "player/movie_builder.h"

namespace {

using playertest::MovieBuilder;
using vectrel::Color;
using vectrel::Matrix;
using vectrel::Rect;

constexpr int kTexts = 20;
constexpr int kGlyphs = 12;

// A ring: an outer and an inner polygon of `points` corners, like a
// letter's outline, in a 1024-unit em square.
std::vector<QPoint> Ring(int points, double radius, double phase) {
  std::vector<QPoint> ring;
  for (int i = 0; i < points; ++i) {
    const double a = phase + 2 * M_PI * i / points;
    ring.emplace_back(static_cast<int>(450 + radius * std::cos(a)), static_cast<int>(-450 + radius * std::sin(a)));
  }
  return ring;
}

// Texts of 10 glyphs (17 px high) in two columns of ten rows; every frame they are placed anew at a
// moving position, and every fourth text gets a new definition each frame
// (a colour change), as the editor's effects write them.
playertest::Bytes TextMovie(int frames) {
  MovieBuilder m(420, 180, 15);
  m.Background(255, 255, 255);
  std::vector<std::vector<std::vector<QPoint>>> glyphs;
  for (int g = 0; g < kGlyphs; ++g) glyphs.push_back({Ring(24 + g, 420 - g * 10, g * 0.3), Ring(16, 250, 0)});
  m.FontWithContours(1, glyphs);
  std::uint16_t next_id = 2;
  std::vector<std::uint16_t> ids(kTexts);
  auto define = [&](int t, int frame) {
    std::vector<std::pair<int, int>> entries;
    for (int i = 0; i < 10; ++i) entries.push_back({(t + i) % kGlyphs, 330});
    ids[t] = next_id++;
    m.Text(ids[t], Rect{0, 4000, -340, 0}, 1, 340, Color((t * 40 + frame * 3) % 256, 40, 120, 255), entries);
  };
  for (int t = 0; t < kTexts; ++t) define(t, 0);
  for (int f = 0; f < frames; ++f) {
    for (int t = 0; t < kTexts; ++t) {
      if (f > 0) m.Remove(ids[t], static_cast<std::uint16_t>(t + 1));
      if (f > 0 && t % 4 == 0) define(t, f);
      const int x = 100 + (t % 2) * 4200 + (f * 7) % 400;
      const int y = (t / 2) * 340 + 320;
      m.Place(static_cast<std::uint16_t>(t + 1), ids[t], Matrix::Translation(x, y));
    }
    m.ShowFrame();
  }
  return m.Build();
}

const swfplayer::Movie& SharedMovie() {
  static const auto movie = swfplayer::ReadMovie(TextMovie(2000));
  return *movie;
}

void BM_RenderFramesAtScale1(benchmark::State& state) {
  const swfplayer::Movie& movie = SharedMovie();
  swfplayer::Timeline timeline(movie.timeline);
  swfplayer::Renderer renderer(movie);
  int frame = 0;
  for (auto _ : state) {
    QImage image = renderer.RenderFrame(timeline.StateAt(frame), frame, 1.0);
    benchmark::DoNotOptimize(image.constBits());
    frame = (frame + 1) % movie.FrameCount();
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderFramesAtScale1)->Unit(benchmark::kMillisecond);

void BM_RenderSameFrameAtScale1(benchmark::State& state) {
  const swfplayer::Movie& movie = SharedMovie();
  swfplayer::Timeline timeline(movie.timeline);
  swfplayer::Renderer renderer(movie);
  const swfplayer::DisplayList list = timeline.StateAt(0);
  for (auto _ : state) {
    QImage image = renderer.RenderFrame(list, 0, 1.0);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderSameFrameAtScale1)->Unit(benchmark::kMillisecond);

// GotoFrame(1000) from a freshly loaded movie (no key frames cached yet),
// with the frame drawn.
void BM_GotoFrame1000Cold(benchmark::State& state) {
  const swfplayer::Movie& movie = SharedMovie();
  for (auto _ : state) {
    swfplayer::Timeline timeline(movie.timeline);
    swfplayer::Renderer renderer(movie);
    QImage image = renderer.RenderFrame(timeline.StateAt(1000), 1000, 1.0);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_GotoFrame1000Cold)->Unit(benchmark::kMillisecond);

// Through the control, alternating between frames 1000 and 1500 as a
// scrubbing user would, each drawn.
void BM_ControlGotoFrame1000(benchmark::State& state) {
  const auto bytes = TextMovie(2000);
  swfplayer::FlashPlayerControl control;
  control.SetMovieData(bytes, QStringLiteral("bench"));
  control.Stop();
  int target = 1000;
  for (auto _ : state) {
    control.GotoFrame(target);
    QImage image = control.RenderImage(1.0);
    benchmark::DoNotOptimize(image.constBits());
    target = target == 1000 ? 1500 : 1000;
  }
}
BENCHMARK(BM_ControlGotoFrame1000)->Unit(benchmark::kMillisecond);

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Plays all 2,000 frames once, drawing each; reports the resident size.
void BM_PlayThrough2000Frames(benchmark::State& state) {
  const auto bytes = TextMovie(2000);
  state.counters["resident_before_MB"] = ResidentMegabytes();
  for (auto _ : state) {
    swfplayer::FlashPlayerControl control;
    control.SetMovieData(bytes, QStringLiteral("bench"));
    control.SetLoop(false);
    for (int i = 0; i < 2000; ++i) {
      QImage image = control.RenderImage(1.0);
      benchmark::DoNotOptimize(image.constBits());
      control.Tick();
    }
    state.counters["resident_MB"] = ResidentMegabytes();
  }
}
BENCHMARK(BM_PlayThrough2000Frames)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
