#pragma once

#include <SDL.h>

#include "media/directx/frame_view.h"
#include "media/directx/surface.h"

namespace ridgeline {

// The frames and surfaces of the media layer as SDL holds them.

// SDL's name for a pixel format.
constexpr Uint32 SdlPixelFormat(PixelFormat format) {
  switch (format) {
    case PixelFormat::Rgb565:
      return SDL_PIXELFORMAT_RGB565;
  }
  return SDL_PIXELFORMAT_UNKNOWN;
}

// A new picture in the display's pixel format, its pixels undefined; null,
// with SDL's error set, when it cannot be made.
SdlSurfacePtr NewPicture(int width, int height);

// The pixels of `picture`, which is in the display's pixel format.
FrameView ViewOf(const SDL_Surface& picture);

// Copies `frame` into `kept`, made at the frame's size the first time: a
// frame kept in the display's format, as the back buffer is drawn over before
// the next one. A frame that is `kept`'s own pixels is left as it is.
void KeepFrame(const FrameView& frame, SdlSurfacePtr& kept);

// A copy of `frame` in 8-bit RGB, as picture files hold it; null, with SDL's
// error set, when it cannot be made.
SdlSurfacePtr Rgb24Copy(const FrameView& frame);

}  // namespace ridgeline
