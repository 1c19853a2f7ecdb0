#include "game/event_pump.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "screens/screen_parts.h"
#include "screens/screens.h"

namespace ridgeline {

void GameOverFrame() {
  ClearBackBuffer();
  BackBuffer->SetForeColor(kGreen);
  BackBuffer->DrawText(300, 200, ScoreText(), false);
  BackBuffer->DrawText(300, 170, "GAME OVER", false);
  // A key handled here that restarts the game ends this frame: no flip, no tick.
  DoEvents();
  FlipWithWait();
  Game.GameOverTicks = Game.GameOverTicks + 1;
}

}  // namespace ridgeline
