#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <vector>

#include "media/platform/video_driver.h"

namespace ridgeline {

// A player that presses and releases keys at random passes, from a seed, so
// that a run repeats exactly. It never presses Escape or Backspace nor clicks,
// which would end the program: games start, end and restart again and again.
class RandomPlayer {
 public:
  explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}

  // The events to deliver before the next pass (mostly none).
  std::vector<WindowEvent> Next();

 private:
  std::mt19937_64 random_;
  std::set<int> held_;
};

}  // namespace ridgeline
