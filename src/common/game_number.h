#pragma once

#include <cstdint>

namespace ridgeline {

// Where a game number becomes a whole number (a pixel position or size handed
// to the display), it is rounded to the nearest whole number, halves to the
// even neighbour; a value beyond the 32-bit range is an overflow error.
std::int32_t ToWhole(double value);

}  // namespace ridgeline
