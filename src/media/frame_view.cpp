#include "media/frame_view.h"

#include "common/run_time_error.h"
#include "media/sdl_picture.h"

namespace ridgeline {

void SaveFrameBmp(const FrameView& frame, const std::string& path) {
  const SdlSurfacePtr rgb = Rgb24Copy(frame);
  if (!rgb || SDL_SaveBMP(rgb.get(), path.c_str()) != 0) {
    throw RunTimeError("cannot save the frame to " + path + ": " + SDL_GetError());
  }
}

}  // namespace ridgeline
