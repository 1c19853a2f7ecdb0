#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include "common/run_time_error.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/directx/display.h"
#include "media/directx/media.h"
#include "media/directx/sound.h"
#include "media/platform/platform.h"

namespace ridgeline {

namespace {

TEST(StartUp, ResetGameGivesEveryVariableItsStartValue) {
  HeadlessGame game;
  game.StartUp();
  Game.GameState = static_cast<GameState>(7);  // the reset leaves it to its callers
  Game.Score = 99;
  Game.Shot(30).x = 5;
  Game.ExplosionTimer(10) = 3;
  Game.Enemy(4).x = 1;
  ResetGame();
  const GameVariables& g = Game;
  EXPECT_FALSE(g.Running);
  EXPECT_EQ(g.GameState, static_cast<GameState>(7));
  EXPECT_EQ(g.MidiPath, HeadlessGame::FixtureAppPath() + "/Data/Midi/music.mid");
  EXPECT_EQ(g.PlayerX, 100);
  EXPECT_EQ(g.PlayerY, 323);
  EXPECT_EQ(g.PlayerSpeed, 0);
  EXPECT_EQ(g.PlayerFrame, 0);
  EXPECT_EQ(g.AnimTick, 0);
  EXPECT_FALSE(g.AnimReverse);
  EXPECT_FALSE(g.Jumping);
  EXPECT_EQ(g.JumpVelocity, 0);
  EXPECT_EQ(g.BgOffset, 0);
  EXPECT_EQ(g.ScrollStep, 0);
  EXPECT_EQ(g.ScreenWidth, 640);
  EXPECT_EQ(g.ScreenHeight, 480);
  EXPECT_EQ(g.WaveAngle, 0);
  EXPECT_FALSE(g.ShotsActive);
  EXPECT_EQ(g.ShotSlot, -1);
  EXPECT_EQ(g.ShotCount, 0);
  EXPECT_EQ(g.ExplosionSlot, 0);
  EXPECT_EQ(g.Score, 0);
  EXPECT_EQ(g.SplashTicks, 1);
  EXPECT_EQ(g.GameOverTicks, 0);
  for (int i = 0; i <= kLastShot; ++i) {
    EXPECT_EQ(g.Shot(i).x, 0);
    EXPECT_EQ(g.Shot(i).y, 0);
    EXPECT_FALSE(g.ShotAlive(i));
    EXPECT_EQ(g.ShotHits(i), 0);
  }
  for (int i = 0; i <= kLastEnemy; ++i) {
    EXPECT_EQ(g.Enemy(i).x, 0);
    EXPECT_EQ(g.Enemy(i).y, 0);
    EXPECT_EQ(g.Enemy(i).a, 0);
    EXPECT_EQ(g.Enemy(i).b, 0);
    EXPECT_FALSE(g.EnemyVisible(i));
    EXPECT_EQ(g.Explosion(i).x, 0);
    EXPECT_FALSE(g.ExplosionActive(i));
    EXPECT_EQ(g.ExplosionTimer(i), 0);
  }
}

TEST(StartUp, BringsUpDisplayAndSoundInOrder) {
  HeadlessGame game;
  game.StartUp();
  const std::vector<std::string> expected{"ShowCursor 0", "ShowWindow Now Loading...",
                                          "SetFullScreen 1"};
  EXPECT_EQ(game.Video().Calls(), expected);
  EXPECT_EQ(BackBufferDesc.lWidth, 640);
  EXPECT_EQ(BackBufferDesc.lHeight, 480);
  EXPECT_TRUE(SoundBuffer(0));
  EXPECT_TRUE(SoundBuffer(1));
  for (long slot = 2; slot <= 7; ++slot) EXPECT_FALSE(SoundBuffer(slot));
  EXPECT_TRUE(Game.Running);
  EXPECT_EQ(Game.GameState, GameState::Splash);
}

TEST(StartUp, ReleasingTheMediaLeavesNothingOfSdlBehind) {
  HeadlessGame game;
  EXPECT_EQ(game.Run(150), 0);  // on to the title screen, which draws text
  ASSERT_NE(TTF_WasInit(), 0);
  ReleaseMedia();
  EXPECT_EQ(TTF_WasInit(), 0);  // the font closed, its renderer stopped
  EXPECT_FALSE(DirectDraw);
  EXPECT_FALSE(PrimarySurface);
  EXPECT_FALSE(Sprite(SpriteKind::Player, 0));
  EXPECT_FALSE(SoundBuffer(1));
  EXPECT_THROW(CurrentPlatform(), RunTimeError);  // the drivers gone too
}

}  // namespace

}  // namespace ridgeline
