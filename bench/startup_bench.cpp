#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "shell/frame_loop.h"

using namespace ridgeline;

namespace {

// The game's start-up steps: bringing up the display and sound, decoding
// every picture and sound and preparing the first game, most of what stands
// between starting the program and its first frame.
void StartUp(benchmark::State& state) {
  for (auto _ : state) {
    BenchGame game;
    BringUpGame();
  }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
