#include "media/sdl_picture.h"

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

}  // namespace ridgeline
