#include "game/shots.h"

#include "game/enemies.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"

namespace ridgeline {

void FireShot() {
  GameVariables& g = Game;
  if (!(g.ShotCount < 5)) return;
  g.ShotsActive = true;
  g.ShotSlot = g.ShotSlot + 1;
  const int s = g.ShotSlot;
  g.ShotHits(s) = 0;
  g.Shot(s).x = g.PlayerX + 80;
  g.Shot(s).y = g.PlayerY;
  if (g.ShotCount < 0) g.ShotCount = 0;
  g.ShotCount = g.ShotCount + 1;
  g.ShotAlive(s) = true;
  // Advanced before use, wrapped after it at 29: slot 0 serves only the first
  // shot of a game, then slots 1 to 30 take turns.
  if (g.ShotSlot > 29) g.ShotSlot = 0;
}

void MoveShots() {
  GameVariables& g = Game;
  for (int i = 0; i <= kLastShot; ++i) {
    if (g.ShotAlive(i)) {
      BlitSprite(*BackBuffer, Sprite(SpriteKind::Shot, 0).get(), g.Shot(i).x, g.Shot(i).y, 80, 80);
      g.Shot(i).x = g.Shot(i).x + 10;
    }
    if (g.Shot(i).x >= 640 && g.ShotAlive(i)) {
      g.ShotCount = g.ShotCount - 1;
      g.ShotAlive(i) = false;
    }
  }
}

void CheckShotHits() {
  GameVariables& g = Game;
  for (int i = 0; i <= kLastShot; ++i) {
    if (!g.ShotAlive(i)) continue;
    for (int j = 0; j <= kLastEnemy; ++j) {
      const ShotRow& shot = g.Shot(i);
      const EnemyRow& enemy = g.Enemy(j);
      // Two 80 x 50 boxes that overlap; touching along an edge is no hit.
      if (shot.x + 80 > enemy.x && shot.x < enemy.x + 80 && shot.y + 50 > enemy.y &&
          shot.y < enemy.y + 50) {
        SoundBuffer(0)->Play(0);
        g.ShotHits(i) = g.ShotHits(i) + 1;
        g.Score = g.Score + 100 * static_cast<std::int64_t>(g.ShotHits(i));
        const int e = g.ExplosionSlot;
        g.Explosion(e).x = enemy.x;
        g.Explosion(e).y = enemy.y;
        g.ExplosionActive(e) = true;
        g.ExplosionSlot = g.ExplosionSlot < 10 ? g.ExplosionSlot + 1 : 0;
        SpawnEnemy(j);
      }
    }
  }
}

void DrawExplosions() {
  GameVariables& g = Game;
  for (int i = 0; i <= kLastExplosion; ++i) {
    if (!g.ExplosionActive(i)) continue;
    if (g.ExplosionTimer(i) < 5) {
      BlitSprite(*BackBuffer, Sprite(SpriteKind::Explosion, g.ExplosionTimer(i)).get(),
                 g.Explosion(i).x, g.Explosion(i).y, 80, 80);
      g.ExplosionTimer(i) = g.ExplosionTimer(i) + 1;
      g.Explosion(i).x = g.Explosion(i).x - 2;
    } else {
      g.ExplosionActive(i) = false;
      g.ExplosionTimer(i) = 0;
    }
  }
}

}  // namespace ridgeline
