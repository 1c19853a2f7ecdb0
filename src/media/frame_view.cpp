#include "media/frame_view.h"

#include "common/run_time_error.h"
#include "media/sdl_picture.h"

namespace ridgeline {

void SaveFrameBmp(const FrameView& frame, const std::string& path) {
  // SDL only reads the pixels it converts; its interface just lacks the const.
  const Uint32 format = SdlPixelFormat(frame.format);
  const SdlSurfacePtr shown(
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<void*>(frame.pixels), frame.width, frame.height,
                                         SDL_BITSPERPIXEL(format), frame.pitch, format));
  const SdlSurfacePtr rgb(shown ? SDL_ConvertSurfaceFormat(shown.get(), SDL_PIXELFORMAT_RGB24, 0)
                                : nullptr);
  if (!rgb || SDL_SaveBMP(rgb.get(), path.c_str()) != 0) {
    throw RunTimeError("cannot save the frame to " + path + ": " + SDL_GetError());
  }
}

}  // namespace ridgeline
