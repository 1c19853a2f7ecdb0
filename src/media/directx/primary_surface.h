#pragma once

#include "media/directx/ddraw_types.h"
#include "media/directx/surface.h"

namespace ridgeline {

struct Platform;

// The primary surface: the front of the flip chain. It has no picture to draw
// on; it owns the one back buffer attached to it and shows that on Flip.
class DirectDrawPrimarySurface7 {
 public:
  // A primary surface of the given size on `platform`'s screen.
  DirectDrawPrimarySurface7(Platform& platform, int width, int height);

  // The back buffer, asked for by its capability DDSCAPS_BACKBUFFER.
  DirectDrawSurface7* GetAttachedSurface(const DDSCAPS2& caps);

  // Shows the back buffer and waits until the next frame may be drawn.
  void Flip(DirectDrawSurface7* target, long flags);

 private:
  Platform& platform_;
  DirectDrawSurface7 backBuffer_;
};

}  // namespace ridgeline
