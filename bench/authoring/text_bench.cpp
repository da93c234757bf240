// MakeTextSimple of one 20-character line, as the editor makes one per text
// on every regeneration.
#include <benchmark/benchmark.h>

#include "vectrel/authoring/text_object.h"

namespace vectrel {
namespace {

void BM_MakeTextSimple(benchmark::State& state) {
  for (auto _ : state) {
    auto text = TextObject::MakeSimple("Liberation Sans", "Happy Birthday, Anna", 400, 600, 480);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeTextSimple);

}  // namespace
}  // namespace vectrel
