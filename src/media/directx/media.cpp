#include "media/directx/media.h"

#include <SDL.h>

#include "media/directx/directx.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "media/directx/text.h"
#include "media/platform/platform.h"

namespace ridgeline {

void ReleaseMedia() {
  SoundBuffer.Clear();
  DirectSound.reset();
  Sprite.Clear();
  BackgroundSurface.reset();
  BackBuffer = nullptr;
  PrimarySurface.reset();
  DirectDraw.reset();
  DirectX.reset();
  ReleaseText();
  SetPlatform(Platform{});
  SDL_Quit();
}

}  // namespace ridgeline
