#include "game/state.h"

#include "common/app_path.h"
#include "common/data_files.h"
#include "media/directx/display.h"

namespace ridgeline {

GameVariables Game;

void ResetGame() {
  GameVariables& g = Game;
  g.Running = false;
  g.MidiPath = DataFilePath(MidiFile());

  g.PlayerFrame = 0;
  g.PlayerSpeed = 0;
  g.AnimReverse = false;
  g.AnimTick = 0;
  g.PlayerX = 100;
  g.PlayerY = 323;
  g.BgOffset = 0;
  g.ScrollStep = 0;
  g.Score = 0;

  g.ScreenWidth = static_cast<std::int32_t>(BackBufferDesc.lWidth);
  g.ScreenHeight = static_cast<std::int32_t>(BackBufferDesc.lHeight);

  g.Jumping = false;
  g.ShotsActive = false;
  g.JumpVelocity = 0;
  g.ShotSlot = -1;
  g.ShotCount = 0;
  g.WaveAngle = 0;
  g.ExplosionSlot = 0;
  g.GameOverTicks = 0;
  g.SplashTicks = 1;

  g.ShotHits.Fill(0);
  g.Shot.Fill(ShotRow{});
  g.ShotAlive.Fill(false);
  g.Explosion.Fill(ExplosionRow{});
  g.ExplosionActive.Fill(false);
  g.ExplosionTimer.Fill(0);
  g.Enemy.Fill(EnemyRow{});
  g.EnemyVisible.Fill(false);
}

}  // namespace ridgeline
