#include "game/random.h"

#include <chrono>
#include <optional>

namespace ridgeline {

namespace {

constexpr std::uint64_t kStartState = 0x2545F4914F6CDD1DULL;
std::uint64_t state = kStartState;
std::optional<std::uint64_t> fixedClock;

// SplitMix64's finaliser: a bijection that spreads every input bit over the
// whole word.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

void Randomize(std::uint64_t clock) {
  state = Mix(state + Mix(clock ^ 0x9E3779B97F4A7C15ULL));
}

float Rnd() {
  state += 0x9E3779B97F4A7C15ULL;
  // The top 24 bits make every float in [0, 1) on a 2^-24 grid equally likely.
  return static_cast<float>(Mix(state) >> 40) * (1.0f / 16777216.0f);
}

void ResetRandom() {
  state = kStartState;
}

std::uint64_t ClockReading() {
  if (fixedClock) return *fixedClock;
  using namespace std::chrono;
  const auto now = system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(now).count() % 86'400'000);
}

void FixClock(std::uint64_t value) {
  fixedClock = value;
}

}  // namespace ridgeline
