#include "media/sdl/surface_presenter.h"

#include <array>

#include "media/sdl/viewport.h"

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

void SurfacePresenter::Draw(const SDL_Surface& picture) {
  // The window's pixels are made anew when its size changes.
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen) return;
  SDL_ConvertPixels(kPictureWidth, kPictureHeight, picture.format->format, picture.pixels,
                    picture.pitch, converted_->format->format, converted_->pixels,
                    converted_->pitch);
  const Viewport v = FitPicture(screen->w, screen->h);
  SDL_Rect to{v.x, v.y, v.width, v.height};
  // Only the bars around the picture are painted black.
  const std::array<SDL_Rect, 4> bars{{
      {0, 0, screen->w, v.y},
      {0, v.y + v.height, screen->w, screen->h - v.y - v.height},
      {0, v.y, v.x, v.height},
      {v.x + v.width, v.y, screen->w - v.x - v.width, v.height},
  }};
  SDL_FillRects(screen, bars.data(), static_cast<int>(bars.size()), 0);
  SDL_BlitScaled(converted_.get(), nullptr, screen, &to);
}

void SurfacePresenter::Show() {
  SDL_UpdateWindowSurface(window_);
}
