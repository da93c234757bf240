// The editor's per-frame pattern, and depth assignment at scale.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/polygon_shape.h"
#include "vectrel/authoring/rectangle_shape.h"

namespace vectrel {
namespace {

std::string BenchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("vectrel-bench-") + name)).string();
}

// A polygon about the size of a text line's glyph outline.
std::unique_ptr<PolygonShape> TextSizedShape() {
  auto shape = std::make_unique<PolygonShape>(0, 0);
  for (int i = 0; i < 20; ++i) {
    shape->AddNewPath(i * 400, 0);
    shape->AddStraightLine(300, 0);
    shape->AddCurvedLine(50, 100, -50, 100);
    shape->AddStraightLine(-300, 0);
    shape->AddCurvedLine(-50, -100, 50, -100);
  }
  return shape;
}

void BM_EditorFramePattern(benchmark::State& state) {
  const int frames = static_cast<int>(state.range(0));
  const std::string path = BenchPath("frames.swf");
  auto shape = TextSizedShape();
  for (auto _ : state) {
    MovieModel movie;
    for (int f = 0; f < frames; ++f) {
      movie.GotoFrame(f);
      movie.CurrentFrame().RemoveObject(*shape);
      shape->SetSolidFill(f & 0xFF, 0, 0, 255);
      movie.CurrentFrame().AddObject(*shape);
    }
    if (movie.Write(path) != WriteStatus::kWritten) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * frames);
  state.counters["frames_per_second"] =
      benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path);
}
BENCHMARK(BM_EditorFramePattern)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_DepthAssignment(benchmark::State& state) {
  const int placements = static_cast<int>(state.range(0));
  const std::string path = BenchPath("depths.swf");
  std::vector<std::unique_ptr<RectangleShape>> shapes;
  for (int i = 0; i < 1000; ++i) {
    shapes.push_back(std::make_unique<RectangleShape>(0, 0, 10, 10));
    shapes.back()->set_depth(static_cast<std::int16_t>(i % 7));
  }
  for (auto _ : state) {
    state.PauseTiming();
    MovieModel movie;
    for (int i = 0; i < placements; ++i) {
      movie.GotoFrame(i / 100);
      movie.CurrentFrame().AddObject(*shapes[static_cast<std::size_t>(i) % shapes.size()]);
    }
    state.ResumeTiming();
    movie.placements().AssignDepths();
  }
  state.SetItemsProcessed(state.iterations() * placements);
}
BENCHMARK(BM_DepthAssignment)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vectrel


