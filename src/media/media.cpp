#include "media/media.h"

#include <SDL.h>

#include "media/directx.h"
#include "media/display.h"
#include "media/platform.h"
#include "media/sound.h"
#include "media/text.h"

namespace ridgeline {

void ReleaseMedia() {
  for (long slot = 0; slot <= 7; ++slot) SoundBuffer(slot).reset();
  DirectSound.reset();
  for (long kind = 0; kind <= 100; ++kind) {
    for (long frame = 0; frame <= 100; ++frame) Sprite(kind, frame).reset();
  }
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
