#include "game/player.h"

#include <cstdlib>

#include "game/event_pump.h"
#include "game/state.h"
#include "media/directx/display.h"

namespace ridgeline {

void ScrollBackground() {
  GameVariables& g = Game;
  const std::int32_t w = g.ScreenWidth;
  const std::int32_t h = g.ScreenHeight;
  // The column at which the picture's left edge lands; C++'s remainder takes
  // the dividend's sign, like the scroll arithmetic needs.
  const std::int32_t a = std::abs(((g.BgOffset % w) + w) % w);
  BackBuffer->BltFast(a, 0, *BackgroundSurface, RECT{0, 0, w - a, h}, DDBLTFAST_WAIT);
  if (a != 0) BackBuffer->BltFast(0, 0, *BackgroundSurface, RECT{w - a, 0, w, h}, DDBLTFAST_WAIT);
  g.BgOffset = (g.BgOffset + g.ScrollStep) % w;
}

double JumpStep(double y) {
  GameVariables& g = Game;
  g.JumpVelocity = g.JumpVelocity - 0.2;
  y = y - g.JumpVelocity;
  if (y >= 323) {
    y = 323;
    g.JumpVelocity = 10;
    g.Jumping = false;
  }
  DoEvents();
  return y;
}

void MovePlayer() {
  GameVariables& g = Game;
  if (g.PlayerSpeed < 0 && g.PlayerX > 10) g.PlayerX = g.PlayerX + g.PlayerSpeed;
  if (g.PlayerSpeed > 0 && g.PlayerX < 630) g.PlayerX = g.PlayerX + g.PlayerSpeed;
}

void AnimatePlayer() {
  GameVariables& g = Game;
  if (g.AnimTick >= 10) {
    g.PlayerFrame = g.AnimReverse ? g.PlayerFrame - 1 : g.PlayerFrame + 1;
    g.AnimTick = 0;
  } else {
    g.AnimTick = g.AnimTick + 1;
  }
  if (g.PlayerFrame >= 4) g.AnimReverse = true;
  if (g.PlayerFrame <= 0) g.AnimReverse = false;
}

}  // namespace ridgeline
