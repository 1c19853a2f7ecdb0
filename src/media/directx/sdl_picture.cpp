#include "media/directx/sdl_picture.h"

namespace ridgeline {

SdlSurfacePtr NewPicture(int width, int height) {
  const Uint32 format = SdlPixelFormat(DirectDrawSurface7::kFormat);
  return SdlSurfacePtr(
      SDL_CreateRGBSurfaceWithFormat(0, width, height, SDL_BITSPERPIXEL(format), format));
}

FrameView ViewOf(const SDL_Surface& picture) {
  return FrameView{picture.pixels, picture.pitch, picture.w, picture.h,
                   DirectDrawSurface7::kFormat};
}

void KeepFrame(const FrameView& frame, SdlSurfacePtr& kept) {
  if (!kept) kept = NewPicture(frame.width, frame.height);
  if (!kept || frame.pixels == kept->pixels) return;
  SDL_ConvertPixels(frame.width, frame.height, SdlPixelFormat(frame.format), frame.pixels,
                    frame.pitch, kept->format->format, kept->pixels, kept->pitch);
}

SdlSurfacePtr Rgb24Copy(const FrameView& frame) {
  // SDL only reads the pixels it converts; its interface just lacks the const.
  const Uint32 format = SdlPixelFormat(frame.format);
  const SdlSurfacePtr shown(
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<void*>(frame.pixels), frame.width, frame.height,
                                         SDL_BITSPERPIXEL(format), frame.pitch, format));
  return SdlSurfacePtr(shown ? SDL_ConvertSurfaceFormat(shown.get(), SDL_PIXELFORMAT_RGB24, 0)
                             : nullptr);
}

}  // namespace ridgeline
