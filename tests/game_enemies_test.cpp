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

TEST(PlayerContact, AnEnemyNotYetDrawnCanEndTheGame) {
  PlayScene scene;
  Game.PlayerX = 540;
  PlayScene::PlaceEnemy(0, 570, 0.91f);  // drawn at x 565 and y 323: beyond 560
  PlayScene::PlayFrames(1);
  EXPECT_EQ(Game.GameState, GameState::GameOver);
  EXPECT_EQ(PlayScene::FindBlock(1, 0), std::make_pair(-1, -1));
}

}  // namespace

}  // namespace ridgeline
