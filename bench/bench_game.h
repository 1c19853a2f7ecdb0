#pragma once

#include "media/headless/headless_video.h"

namespace ridgeline {

// The game on the headless drivers, with the build's generated data: what the
// benchmarks run on. Media are released when it goes.
class BenchGame {
 public:
  BenchGame();
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  // The start-up steps that make and load the media.
  static void LoadMedia();
};

}  // namespace ridgeline
