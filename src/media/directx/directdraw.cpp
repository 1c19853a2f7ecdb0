#include "media/directx/directdraw.h"

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"
#include "media/files/bitmap_check.h"
#include "media/files/regular_sdl_file.h"
#include "media/platform/platform.h"

namespace ridgeline {

void DirectDraw7::SetCooperativeLevel(HWND /*window*/, long flags) {
  platform_.video->SetFullScreen((flags & DDSCL_FULLSCREEN) != 0);
}

void DirectDraw7::SetDisplayMode(long width, long height, long bitsPerPixel, long /*refreshRate*/,
                                 long /*flags*/) {
  if (width != 640 || height != 480 || bitsPerPixel != 16) {
    throw RunTimeError("SetDisplayMode: " + std::to_string(width) + " x " + std::to_string(height) +
                       " x " + std::to_string(bitsPerPixel) + " is not available");
  }
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
}

void DirectDraw7::RestoreDisplayMode() {
  width_ = 0;
  height_ = 0;
}

std::unique_ptr<DirectDrawPrimarySurface7> DirectDraw7::CreateSurface(DDSURFACEDESC2& desc) {
  const long primary = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  if ((desc.ddsCaps.lCaps & primary) != primary || desc.lBackBufferCount != 1) {
    throw RunTimeError("CreateSurface: only a primary surface with one back buffer is supported");
  }
  if (width_ == 0) throw RunTimeError("CreateSurface: no display mode has been set");
  return std::make_unique<DirectDrawPrimarySurface7>(platform_, width_, height_);
}

std::unique_ptr<DirectDrawSurface7> DirectDraw7::CreateSurfaceFromFile(const std::string& path,
                                                                       DDSURFACEDESC2& desc) {
  auto fail = [&path](const std::string& why) -> RunTimeError {
    return RunTimeError("cannot load bitmap " + path + ": " + why);
  };
  std::string why;
  SdlFilePtr file = OpenRegularSdlFile(path, why);
  if (!file) throw fail(why);
  if (auto why = BitmapRefusal(*file)) throw fail(*why);
  SdlSurfacePtr loaded(SDL_LoadBMP_RW(file.get(), 0));
  if (!loaded) throw fail(SDL_GetError());
  SdlSurfacePtr converted(
      SDL_ConvertSurfaceFormat(loaded.get(), SdlPixelFormat(DirectDrawSurface7::kFormat), 0));
  if (!converted) throw fail(SDL_GetError());

  const bool sized = (desc.lFlags & (DDSD_WIDTH | DDSD_HEIGHT)) == (DDSD_WIDTH | DDSD_HEIGHT);
  if (sized && (converted->w != desc.lWidth || converted->h != desc.lHeight)) {
    SdlSurfacePtr scaled =
        NewPicture(static_cast<int>(desc.lWidth), static_cast<int>(desc.lHeight));
    if (!scaled || SDL_SoftStretch(converted.get(), nullptr, scaled.get(), nullptr) != 0) {
      throw fail(SDL_GetError());
    }
    converted = std::move(scaled);
  }
  return std::make_unique<DirectDrawSurface7>(std::move(converted));
}

}  // namespace ridgeline
