// Integer maths for the generator. Everything it makes is computed in whole
// numbers so that the output is the same, bit for bit, on every build and
// every machine: no library sine, no floating point.
#pragma once

#include <cstdint>

namespace datagen {

// Angles are measured in 1/kTurn of a full turn.
constexpr int kTurn = 4096;
// Sines and cosines come back scaled by kOne.
constexpr int kOne = 16384;

int Sin(int angle);
inline int Cos(int angle) {
  return Sin(angle + kTurn / 4);
}

// Remainder that is never negative, for wrapping coordinates around a period.
constexpr int Wrap(int value, int period) {
  return ((value % period) + period) % period;
}

// Small fixed-seed pseudo-random generator (xorshift32).
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next();
  // Uniform in lo..hi inclusive.
  int Range(int lo, int hi);

 private:
  std::uint32_t state_;
};

}  // namespace datagen
