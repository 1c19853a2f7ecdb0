#include "common/game_number.h"

#include <cmath>
#include <limits>

#include "common/run_time_error.h"

namespace ridgeline {

std::int32_t ToWhole(double value) {
  // nearbyint rounds in the default mode, to nearest with halves to even.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw RunTimeError("overflow: " + std::to_string(value) + " is not a 32-bit whole number");
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace ridgeline
