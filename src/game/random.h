#pragma once

#include <cstdint>

namespace ridgeline {

// The game's pseudo-random numbers: uniform single-precision values in
// [0, 1). Re-seeding folds a clock value into the generator's current state
// instead of restarting from it, so that re-seeding with a clock that has not
// changed still gives new numbers.
void Randomize(std::uint64_t clock);
float Rnd();
// Back to the state at program start (tests, and identical scripted runs).
void ResetRandom();

// The clock that enemy placement folds in: the time of day in milliseconds,
// or a fixed value where runs must repeat exactly.
std::uint64_t ClockReading();
void FixClock(std::uint64_t value);

}  // namespace ridgeline
