#pragma once

#include <memory>
#include <string>

#include "media/directx/ddraw_types.h"
#include "media/directx/primary_surface.h"
#include "media/directx/surface.h"

namespace ridgeline {

struct Platform;

// The display object: takes the screen, sets the display mode and creates the
// primary surface and the off-screen surfaces that pictures are loaded into.
// Every failure is a RunTimeError that names what failed.
class DirectDraw7 {
 public:
  explicit DirectDraw7(Platform& platform) : platform_(platform) {}

  // The one window is the video driver's: the level says only whether the
  // game takes the screen (DDSCL_FULLSCREEN) or hands it back.
  void SetCooperativeLevel(HWND window, long flags);
  // Sets the size of the surfaces that the display shows: 640 x 480 x 16,
  // the one mode there is. The screen itself is never switched; the video
  // driver scales the pictures to it.
  void SetDisplayMode(long width, long height, long bitsPerPixel, long refreshRate, long flags);
  // Gives up the game's display mode. The screen was never switched, so
  // nothing of it needs restoring.
  void RestoreDisplayMode();

  // The primary surface with its flip chain of one back buffer.
  std::unique_ptr<DirectDrawPrimarySurface7> CreateSurface(DDSURFACEDESC2& desc);
  // An off-screen surface holding the picture of a bitmap file, in the
  // display's pixel format; given a width and height, the picture is scaled
  // to that size.
  std::unique_ptr<DirectDrawSurface7> CreateSurfaceFromFile(const std::string& path,
                                                            DDSURFACEDESC2& desc);

 private:
  Platform& platform_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ridgeline
