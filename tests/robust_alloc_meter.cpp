#include "robust_alloc_meter.h"

#include <SDL.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace ridgeline {

namespace {

SDL_malloc_func originalMalloc;
SDL_calloc_func originalCalloc;
SDL_realloc_func originalRealloc;
SDL_free_func originalFree;

// Signed: memory that SDL held before the meter began may be freed under it.
std::atomic<long long> held{0};
std::atomic<long long> peak{0};

void RaisePeak(long long bytes) {
  long long seen = peak;
  while (bytes > seen && !peak.compare_exchange_weak(seen, bytes)) {
  }
}

// What is asked for counts even when it cannot be had: a request of 10 GB is
// the fault, whether or not the machine grants it.
void Asking(size_t size) {
  RaisePeak(held + static_cast<long long>(std::min<size_t>(size, size_t{1} << 62)));
}

void Count(void* block, int sign) {
  if (!block) return;
  // SDL's own functions are the C library's, so the block's size can be asked.
  RaisePeak(held += sign * static_cast<long long>(malloc_usable_size(block)));
}

void* CountedMalloc(size_t size) {
  Asking(size);
  void* block = originalMalloc(size);
  Count(block, +1);
  return block;
}

void* CountedCalloc(size_t count, size_t size) {
  // An overflowing product fails inside calloc; counted as the most there is.
  size_t bytes = 0;
  Asking(__builtin_mul_overflow(count, size, &bytes) ? SIZE_MAX : bytes);
  void* block = originalCalloc(count, size);
  Count(block, +1);
  return block;
}

void* CountedRealloc(void* block, size_t size) {
  Count(block, -1);
  Asking(size);
  void* moved = originalRealloc(block, size);
  // A failed realloc leaves the old block in place.
  Count(moved ? moved : block, +1);
  return moved;
}

void CountedFree(void* block) {
  Count(block, -1);
  originalFree(block);
}

}  // namespace

SdlAllocationMeter::SdlAllocationMeter() {
  SDL_GetOriginalMemoryFunctions(&originalMalloc, &originalCalloc, &originalRealloc, &originalFree);
  held = 0;
  peak = 0;
  if (SDL_SetMemoryFunctions(CountedMalloc, CountedCalloc, CountedRealloc, CountedFree) != 0) {
    throw std::runtime_error(SDL_GetError());
  }
}

SdlAllocationMeter::~SdlAllocationMeter() {
  SDL_SetMemoryFunctions(originalMalloc, originalCalloc, originalRealloc, originalFree);
}

std::size_t SdlAllocationMeter::PeakBytes() const {
  return static_cast<std::size_t>(peak.load());
}

}  // namespace ridgeline
