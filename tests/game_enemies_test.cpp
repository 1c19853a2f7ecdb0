#include <gtest/gtest.h>

#include <cmath>

#include "common/run_time_error.h"
#include "fixture_data.h"
#include "game/enemies.h"
#include "game/state.h"
#include "game_scene.h"

namespace ridgeline {

namespace {

// The wave term at a whole angle in degrees, with the game's ten-digit pi.
double Wave(int degrees) {
  return 50.0 * std::sin(degrees * 3.141592654 / 180);
}

// The game reads the wave from its own table so that every platform moves the
// enemies alike; the table must hold what GNU libc's sin gives on Linux.
TEST(EnemyWave, EveryWholeDegreeHasGnuLibcsSineAndNoOtherAngleExists) {
  for (int degrees = 0; degrees <= 360; ++degrees) {
    EXPECT_EQ(WaveOffset(degrees), Wave(degrees)) << degrees << " degrees";
  }
  EXPECT_THROW(WaveOffset(-1), RunTimeError);
  EXPECT_THROW(WaveOffset(361), RunTimeError);
}

TEST(EnemyFlight, StartingAtTwelveEightyItIsSeenAfter129FramesAndReplacedOnThe256th) {
  PlayScene scene;
  PlayScene::PlaceEnemy(0, 1280, 0.5f);  // as A = 0 places it
  int firstVisible = 0;
  int replaced = 0;
  for (int frame = 1; frame <= 300 && replaced == 0; ++frame) {
    const float before = Game.Enemy(0).x;
    MoveEnemies();
    UpdateEnemyVisibility();
    if (Game.EnemyVisible(0) && firstVisible == 0) {
      firstVisible = frame;
      EXPECT_EQ(Game.Enemy(0).x, 635.0f);
    }
    if (Game.Enemy(0).x > before) replaced = frame;
  }
  EXPECT_EQ(firstVisible, 129);
  EXPECT_EQ(replaced, 256);  // x reaches exactly 0, and the test includes 0
  EXPECT_GE(Game.Enemy(0).x, 1280.0f);
  EXPECT_FALSE(Game.EnemyVisible(0));
}

TEST(EnemyFlight, AllEnemiesBobOnOneWaveThatStepsFrom360To0) {
  PlayScene scene;
  PlayScene::PlaceEnemy(1, 3000, 0.25f);
  PlayScene::PlaceEnemy(2, 3000, 0.75f);
  Game.WaveAngle = 359;
  MoveEnemies();  // uses 359, then steps to 360
  EXPECT_EQ(Game.WaveAngle, 360);
  EXPECT_EQ(Game.Enemy(1).y, (75.0 + Wave(359)) + 50);
  EXPECT_EQ(Game.Enemy(2).y, (225.0 + Wave(359)) + 50);
  MoveEnemies();  // 360 has its one frame, then back to 0
  EXPECT_EQ(Game.WaveAngle, 0);
  EXPECT_NEAR(Game.Enemy(1).y, 125, 1e-6);
  MoveEnemies();
  EXPECT_EQ(Game.WaveAngle, 1);
  EXPECT_EQ(Game.Enemy(1).y, 125);
  Game.WaveAngle = 90;
  MoveEnemies();
  EXPECT_EQ(Game.Enemy(1).y, 175);  // the height is computed afresh, never accumulated
  EXPECT_EQ(Game.Enemy(2).y, 325);
  EXPECT_EQ(Game.Enemy(2).x, 2980.0f);
}

TEST(EnemyVisibility, IsTheOpenIntervalFromZeroTo640) {
  PlayScene scene;
  const float xs[] = {640, 0, 639.5f, 0.5f, -3, 700};
  const bool visible[] = {false, false, true, true, false, false};
  for (int i = 0; i < 6; ++i) Game.Enemy(i).x = xs[i];
  Game.Enemy(6).y = 5000;  // y plays no part
  Game.Enemy(6).x = 300;
  UpdateEnemyVisibility();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Game.EnemyVisible(i), visible[i]) << "x = " << xs[i];
  EXPECT_TRUE(Game.EnemyVisible(6));
}

// Whether a visible enemy at (x, y) ends the game of a player at (100, 323).
bool Touches(float x, double y) {
  Game.GameState = GameState::Play;
  Game.PlayerX = 100;
  Game.PlayerY = 323;
  Game.Enemy(5).x = x;
  Game.Enemy(5).y = y;
  Game.EnemyVisible(5) = true;
  CheckPlayerContact();
  return Game.GameState == GameState::GameOver;
}

TEST(PlayerContact, NeedsAnOverlapOfMoreThanTwentyPixelsBothWays) {
  PlayScene scene;
  EXPECT_TRUE(Touches(159.5f, 382.5));
  EXPECT_FALSE(Touches(160, 323));
  EXPECT_FALSE(Touches(100, 383));
  EXPECT_TRUE(Touches(40.5f, 263.5));
  EXPECT_FALSE(Touches(40, 323));
  EXPECT_FALSE(Touches(100, 263));
  EXPECT_TRUE(Touches(100, 323));
}

TEST(PlayerContact, OnlyVisibleEnemiesCount) {
  PlayScene scene;
  Game.Enemy(2).x = 100;
  Game.Enemy(2).y = 323;
  Game.EnemyVisible(2) = false;
  CheckPlayerContact();
  EXPECT_EQ(Game.GameState, GameState::Play);
}

TEST(PlayerContact, AnEnemyNotYetDrawnCanEndTheGame) {
  PlayScene scene;
  Game.PlayerX = 540;
  PlayScene::PlaceEnemy(0, 570, 0.91f);  // drawn at x 565 and y 323: beyond 560
  PlayScene::PlayFrames(1);
  EXPECT_EQ(Game.GameState, GameState::GameOver);
  EXPECT_EQ(PlayScene::FindBlock(1, 0), std::make_pair(-1, -1));
}

TEST(PlayerContact, SeesThePlayerAfterThisFramesMove) {
  PlayScene scene;
  // After the move the enemy is at x 163: no contact with the player at 100,
  // but contact once the player has stepped to 104.
  PlayScene::PlaceEnemy(0, 168, 0.91f);
  Game.PlayerSpeed = 4;
  PlayScene::PlayFrames(1);
  EXPECT_EQ(Game.GameState, GameState::GameOver);
  EXPECT_EQ(Game.PlayerX, 104);
}

TEST(PlayerContact, TheEndingFrameIsCompletedAndShown) {
  PlayScene scene;
  PlayScene::PlaceEnemy(0, 105, 0.91f);
  const long shown = scene.Video().Frames();
  PlayScene::PlayFrames(1);
  EXPECT_EQ(Game.GameState, GameState::GameOver);
  EXPECT_EQ(scene.Video().Frames(), shown + 1);
  EXPECT_EQ(Game.AnimTick, 1);                    // the steps after the contact test ran
  EXPECT_TRUE(PlayScene::BlockAt(5, 0, 0, 400));  // the floor
}

}  // namespace

}  // namespace ridgeline
