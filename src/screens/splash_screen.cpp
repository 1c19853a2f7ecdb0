#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "screens/screen_parts.h"
#include "screens/screens.h"

namespace ridgeline {

void SplashFrame() {
  SoundBuffer(1)->Stop();
  ClearBackBuffer();
  BlitSprite(*BackBuffer, Sprite(SpriteKind::SplashLogo, 0).get(), 120, 70, 400, 300);
  if (Game.SplashTicks > 100) {
    Game.GameState = GameState::Title;
    Game.SplashTicks = 0;
  } else {
    Game.SplashTicks = Game.SplashTicks + 1;
  }
  FlipWithWait();
}

}  // namespace ridgeline
