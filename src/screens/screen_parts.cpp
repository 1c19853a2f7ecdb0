#include "screens/screen_parts.h"

#include "game/state.h"
#include "media/directx/display.h"

namespace ridgeline {

void ClearBackBuffer() {
  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, 0);
}

std::string ScoreText() {
  return "SCORE " + std::to_string(Game.Score);
}

void FlipWithWait() {
  PrimarySurface->Flip(nullptr, DDFLIP_WAIT);
}

}  // namespace ridgeline
