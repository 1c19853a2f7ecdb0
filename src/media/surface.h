#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "media/ddraw_types.h"

namespace ridgeline {

struct Platform;

// Owns an SDL_Surface and frees it with SDL_FreeSurface.
struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// A display surface: a 16-bit RGB565 picture with the operations that the game
// calls on it. The primary surface has no picture of its own: it owns the back
// buffer and shows it on Flip.
class DirectDrawSurface7 {
 public:
  // The pixel format of every surface, as the 640 x 480 x 16 display mode has it.
  static constexpr Uint32 kFormat = SDL_PIXELFORMAT_RGB565;

  // An off-screen surface holding `pixels`, which must be in kFormat.
  explicit DirectDrawSurface7(SdlSurfacePtr pixels);
  // A primary surface of the given size with one attached back buffer.
  DirectDrawSurface7(Platform& platform, int width, int height);

  DirectDrawSurface7* GetAttachedSurface(const DDSCAPS2& caps);
  void GetSurfaceDesc(DDSURFACEDESC2& desc) const;
  void SetColorKey(long flags, const DDCOLORKEY& key);

  // Copies `source`'s rectangle to (x, y). A copy that does not lie wholly
  // inside both surfaces is not made and returns DDERR_INVALIDRECT.
  long BltFast(long x, long y, DirectDrawSurface7& source, const RECT& sourceRect, long flags);
  long BltColorFill(const RECT& rect, long pixelValue);

  // Text in the colour red + 256 x green + 65536 x blue, transparent behind.
  void SetForeColor(long colour);
  void DrawText(long x, long y, const std::string& text, bool atCursor);

  // Shows the back buffer and waits until the next frame may be drawn.
  void Flip(DirectDrawSurface7* target, long flags);

  SDL_Surface& Pixels() const { return *pixels_; }

 private:
  SdlSurfacePtr pixels_;
  int width_ = 0;
  int height_ = 0;
  Platform* platform_ = nullptr;  // set on the primary surface only
  std::unique_ptr<DirectDrawSurface7> backBuffer_;
  SDL_Color foreColor_{0, 0, 0, 255};
};

}  // namespace ridgeline
