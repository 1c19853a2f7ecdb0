#include "media/directx/primary_surface.h"

#include <string>

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"
#include "media/platform/platform.h"

namespace ridgeline {

namespace {

SdlSurfacePtr NewBackBuffer(int width, int height) {
  SdlSurfacePtr pixels = NewPicture(width, height);
  if (!pixels) throw RunTimeError(std::string("cannot create the back buffer: ") + SDL_GetError());
  return pixels;
}

}  // namespace

DirectDrawPrimarySurface7::DirectDrawPrimarySurface7(Platform& platform, int width, int height)
    : platform_(platform), backBuffer_(NewBackBuffer(width, height)) {}

DirectDrawSurface7* DirectDrawPrimarySurface7::GetAttachedSurface(const DDSCAPS2& caps) {
  if (caps.lCaps != DDSCAPS_BACKBUFFER) {
    throw RunTimeError("GetAttachedSurface: no attached surface with capabilities " +
                       std::to_string(caps.lCaps));
  }
  return &backBuffer_;
}

void DirectDrawPrimarySurface7::Flip(DirectDrawSurface7* /*target*/, long /*flags*/) {
  platform_.ShowFrame(backBuffer_.View());
}

}  // namespace ridgeline
