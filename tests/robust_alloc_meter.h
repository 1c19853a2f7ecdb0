#pragma once

#include <cstddef>

namespace ridgeline {

// Measures the most memory that SDL holds at once while the meter lives: SDL's
// memory functions are routed through counters and restored afterwards.
// Pictures and sounds are decoded into memory that SDL allocates, so this is
// where a hostile header would make the game allocate without bound. One
// meter at a time.
class SdlAllocationMeter {
 public:
  SdlAllocationMeter();
  ~SdlAllocationMeter();
  SdlAllocationMeter(const SdlAllocationMeter&) = delete;
  SdlAllocationMeter& operator=(const SdlAllocationMeter&) = delete;

  // The most bytes held at once beyond what was held when the meter began.
  std::size_t PeakBytes() const;
};

}  // namespace ridgeline
