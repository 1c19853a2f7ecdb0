#include "game/enemies.h"
#include "game/player.h"
#include "game/shots.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "screens/screen_parts.h"
#include "screens/screens.h"

namespace ridgeline {

// The order of the steps decides both what is drawn over what (background,
// shots, player, enemies, explosions, floor, score) and which rule sees which
// positions: the player is drawn where the last frame left it, the hit and
// contact tests see this frame's moves.
void PlayFrame() {
  GameVariables& g = Game;
  SoundBuffer(1)->Play(DSBPLAY_LOOPING);
  ScrollBackground();
  if (g.ShotsActive) MoveShots();
  if (g.Jumping) g.PlayerY = JumpStep(g.PlayerY);
  BlitSprite(*BackBuffer, Sprite(SpriteKind::Player, g.PlayerFrame).get(), g.PlayerX, g.PlayerY, 80,
             80);
  MoveEnemies();
  for (int i = 0; i <= kLastEnemy; ++i) {
    BlitSprite(*BackBuffer, Sprite(SpriteKind::Enemy, g.PlayerFrame).get(), g.Enemy(i).x,
               g.Enemy(i).y, 80, 80);
  }
  CheckShotHits();
  MovePlayer();
  UpdateEnemyVisibility();
  CheckPlayerContact();
  DrawExplosions();
  AnimatePlayer();
  BackBuffer->SetForeColor(kBlack);
  DrawFloor();
  BackBuffer->DrawText(0, 0, ScoreText(), false);
  FlipWithWait();
}

}  // namespace ridgeline
