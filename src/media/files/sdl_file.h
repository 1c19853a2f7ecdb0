#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

namespace ridgeline {

// A file opened through SDL, closed when it goes.
struct SdlFileCloser {
  void operator()(SDL_RWops* file) const { SDL_RWclose(file); }
};
using SdlFilePtr = std::unique_ptr<SDL_RWops, SdlFileCloser>;

// Little-endian numbers, as bitmap and wave headers store them.
inline std::uint16_t Le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace ridgeline
