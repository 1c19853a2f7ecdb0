#pragma once

namespace ridgeline {

// The game on the headless drivers, with the build's generated data: what the
// benchmarks run on. Media are released when it goes.
class BenchGame {
 public:
  BenchGame();
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;
};

}  // namespace ridgeline
