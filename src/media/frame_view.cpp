#include "media/frame_view.h"

#include <cstddef>

#include "common/run_time_error.h"
#include "media/sdl_picture.h"

namespace ridgeline {

namespace {

// Room for a BMP file's headers and palette, besides its rows.
constexpr std::size_t kLargestBmpHeaders = 2048;

}  // namespace

std::vector<unsigned char> EncodeFrameBmp(const FrameView& frame) {
  // SDL only reads the pixels it converts; its interface just lacks the const.
  const Uint32 format = SdlPixelFormat(frame.format);
  const SdlSurfacePtr shown(
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<void*>(frame.pixels), frame.width, frame.height,
                                         SDL_BITSPERPIXEL(format), frame.pitch, format));
  const SdlSurfacePtr rgb(shown ? SDL_ConvertSurfaceFormat(shown.get(), SDL_PIXELFORMAT_RGB24, 0)
                                : nullptr);
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
