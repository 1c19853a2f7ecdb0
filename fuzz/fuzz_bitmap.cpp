// Loads each input as a bitmap file into a surface, both as a sprite (its own
// size, colour-keyed, then drawn) and as the background (scaled to the back
// buffer's size). A refused file is fine; a crash, a sanitizer report or a
// runaway allocation is a finding.

#include <cstdint>

#include "common/run_time_error.h"
#include "fuzz_file.h"
#include "media/directx/directdraw.h"
#include "media/directx/sdl_picture.h"
#include "media/platform/platform.h"

using namespace ridgeline;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Platform platform;  // no drivers: loading a picture uses none
  static DirectDraw7 display(platform);
  static DirectDrawSurface7 backBuffer(NewPicture(640, 480));
  const std::string& path = WriteFuzzFile(data, size, ".bmp");
  try {
    DDSURFACEDESC2 sprite;
    sprite.lFlags = DDSD_CAPS;
    auto surface = display.CreateSurfaceFromFile(path, sprite);
    surface->SetColorKey(DDCKEY_SRCBLT, DDCOLORKEY{0, 0});
    DDSURFACEDESC2 size;
    surface->GetSurfaceDesc(size);
    backBuffer.BltFast(0, 0, *surface, RECT{0, 0, size.lWidth, size.lHeight},
                       DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);

    DDSURFACEDESC2 background;
    background.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    background.lWidth = 640;
    background.lHeight = 480;
    display.CreateSurfaceFromFile(path, background);
  } catch (const RunTimeError&) {
    // Refused: what the game does with it is end start-up, naming the file.
  }
  return 0;
}
