#include "media/media.h"

#include <SDL.h>

#include "media/directx.h"
#include "media/display.h"
#include "media/platform.h"
#include "media/sound.h"
#include "media/text.h"

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
