#include "media/sdl/surface_presenter.h"

#include <algorithm>
#include <cstring>

#include "media/directx/sdl_picture.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

Uint32* Row(const SDL_Surface& surface, int y) {
  return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface.pixels) + y * surface.pitch);
}

// Enlarges a 32-bit picture by a whole factor into `to` at (x, y): each pixel
// becomes a square of factor x factor. SDL's general scaling steps through
// every output pixel; this writes each output row once and copies it down, at
// a quarter of the cost, which matters here as the largest part of a frame's
// work. The usual factors are known when compiled, so that the inner loop
// unrolls.
template <int kFixed>
void Enlarge(const SDL_Surface& from, SDL_Surface& to, int x, int y, int runtimeFactor) {
  const int factor = kFixed > 0 ? kFixed : runtimeFactor;
  const std::size_t rowBytes = static_cast<std::size_t>(from.w) * factor * sizeof(Uint32);
  for (int row = 0; row < from.h; ++row) {
    const Uint32* in = Row(from, row);
    Uint32* out = Row(to, y + row * factor) + x;
    for (int column = 0; column < from.w; ++column) {
      std::fill_n(out + column * factor, factor, in[column]);
    }
    for (int copy = 1; copy < factor; ++copy) {
      std::memcpy(Row(to, y + row * factor + copy) + x, out, rowBytes);
    }
  }
}

void EnlargeBy(const SDL_Surface& from, SDL_Surface& to, int x, int y, int factor) {
  switch (factor) {
    case 2:
      return Enlarge<2>(from, to, x, y, factor);
    case 3:
      return Enlarge<3>(from, to, x, y, factor);
    case 4:
      return Enlarge<4>(from, to, x, y, factor);
    default:
      return Enlarge<0>(from, to, x, y, factor);
  }
}

}  // namespace

bool SurfacePresenter::Prepare() {
  // The window's pixels must be its own, not a texture that SDL would send
  // through a renderer: that is what this presenter is here to avoid.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen) return false;
  converted_.reset(
      SDL_CreateRGBSurfaceWithFormat(0, kPictureWidth, kPictureHeight, 32, screen->format->format));
  return converted_ != nullptr;
}

void SurfacePresenter::Draw(const FrameView& picture) {
  // The window's pixels are made anew when its size changes.
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen) return;
  SDL_ConvertPixels(kPictureWidth, kPictureHeight, SdlPixelFormat(picture.format), picture.pixels,
                    picture.pitch, converted_->format->format, converted_->pixels,
                    converted_->pitch);
  const Viewport v = FitPicture(screen->w, screen->h);
  SDL_Rect to{v.x, v.y, v.width, v.height};
  // Nothing but this paints the window's pixels, so the bars around the
  // picture stay black once painted; only pixels made anew, when the
  // window's size changes, need it again.
  if (screen != blackened_ || screen->w != blackenedWidth_ || screen->h != blackenedHeight_) {
    SDL_FillRect(screen, nullptr, 0);
    blackened_ = screen;
    blackenedWidth_ = screen->w;
    blackenedHeight_ = screen->h;
  }
  const Scaling scaling = SharpScaling(v);
  if (screen->format->BytesPerPixel == sizeof(Uint32)) {
    if (!scaling.smoothDown) {
      if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return;
      EnlargeBy(*converted_, *screen, v.x, v.y, scaling.factor);
      if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
      return;
    }
    SDL_Surface* enlarged = Enlarged(scaling.factor);
    if (enlarged && SDL_SoftStretchLinear(enlarged, nullptr, screen, &to) == 0) return;
  }
  // Any other window format: SDL's own scaling, nearest-neighbour.
  SDL_BlitScaled(converted_.get(), nullptr, screen, &to);
}

SDL_Surface* SurfacePresenter::Enlarged(int factor) {
  if (factor == 1) return converted_.get();
  if (!enlarged_ || enlarged_->w != factor * kPictureWidth) {
    enlarged_.reset(SDL_CreateRGBSurfaceWithFormat(
        0, factor * kPictureWidth, factor * kPictureHeight, 32, converted_->format->format));
    if (!enlarged_) return nullptr;
  }
  EnlargeBy(*converted_, *enlarged_, 0, 0, factor);
  return enlarged_.get();
}

void SurfacePresenter::Show() {
  SDL_UpdateWindowSurface(window_);
}

}  // namespace ridgeline
