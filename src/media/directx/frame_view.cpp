#include "media/directx/frame_view.h"

#include <cstddef>

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"

namespace ridgeline {

namespace {

// Room for a BMP file's headers and palette, besides its rows.
constexpr std::size_t kLargestBmpHeaders = 2048;

}  // namespace

std::vector<unsigned char> EncodeFrameBmp(const FrameView& frame) {
  const SdlSurfacePtr rgb = Rgb24Copy(frame);
  if (!rgb) throw RunTimeError(SDL_GetError());
  // Made in memory, so that the caller writes the file and has the system's
  // reason when that fails.
  std::vector<unsigned char> bytes(kLargestBmpHeaders +
                                   static_cast<std::size_t>(rgb->h) * ((rgb->w * 3 + 3) & ~3));
  SDL_RWops* memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!memory || SDL_SaveBMP_RW(rgb.get(), memory, 0) != 0) {
    if (memory) SDL_RWclose(memory);
    throw RunTimeError(SDL_GetError());
  }
  bytes.resize(static_cast<std::size_t>(SDL_RWtell(memory)));
  SDL_RWclose(memory);
  return bytes;
}

}  // namespace ridgeline
