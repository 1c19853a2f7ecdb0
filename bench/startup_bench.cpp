#include <benchmark/benchmark.h>

#include "bench_game.h"

using namespace ridgeline;

namespace {

// Bringing up the display and sound and decoding every picture and sound:
// most of what stands between starting the program and its first frame.
void StartUp(benchmark::State& state) {
  for (auto _ : state) {
    BenchGame game;
    BenchGame::LoadMedia();
  }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
