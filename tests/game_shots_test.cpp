#include <gtest/gtest.h>

#include <vector>

#include "fixture_data.h"
#include "game/shots.h"
#include "game/state.h"
#include "game_scene.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"

namespace ridgeline {

namespace {

TEST(MoveShots, DrawsAtTheOldPositionThenMovesAndEndsAt640) {
  PlayScene scene;
  PlayScene::PlaceShot(3, 550, 200);
  MoveShots();
  EXPECT_TRUE(PlayScene::BlockAt(2, 0, 550, 200));
  EXPECT_EQ(Game.Shot(3).x, 560);
  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, 0);
  MoveShots();  // 560 is still drawn: it fits exactly
  EXPECT_TRUE(PlayScene::BlockAt(2, 0, 560, 200));
  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, 0);
  for (int i = 0; i < 6; ++i) MoveShots();  // 570 .. 620: alive, not drawn
  EXPECT_EQ(PlayScene::FindBlock(2, 0), std::make_pair(-1, -1));
  EXPECT_TRUE(Game.ShotAlive(3));
  EXPECT_EQ(Game.Shot(3).x, 630);
  MoveShots();
  EXPECT_FALSE(Game.ShotAlive(3));
  EXPECT_EQ(Game.ShotCount, 0);
  MoveShots();  // a free slot's old x does not count again
  EXPECT_EQ(Game.ShotCount, 0);
}

// A shot in slot 0 and enemies placed for CheckShotHits alone.
class ShotHits : public ::testing::Test {
 protected:
  void SetUp() override { PlayScene::PlaceShot(0, 200, 300); }
  static void PutEnemy(int i, float x, double y) {
    Game.Enemy(i).x = x;
    Game.Enemy(i).y = y;
  }
  PlayScene scene_;
};

TEST_F(ShotHits, TheScoreGrowsBeyondThirtyTwoBits) {
  Game.Score = 9'000'000'000'000;
  PutEnemy(1, 200, 300);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 9'000'000'000'100);
}

TEST_F(ShotHits, BoxesThatOnlyTouchDoNotHit) {
  // Shot box: x 200..280, y 300..350.
  PutEnemy(0, 280, 300);
  PutEnemy(1, 120, 300);
  PutEnemy(2, 200, 350);
  PutEnemy(3, 200, 250);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 0);
  PutEnemy(4, 279.5f, 349.5);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 100);
  PutEnemy(6, 120.5f, 250.5);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 300);
}

TEST_F(ShotHits, ExplosionsTakeTurnsInARingOfElevenAndAReusedSlotKeepsItsTimer) {
  Game.ShotAlive(0) = false;
  for (int hit = 0; hit < 11; ++hit) {
    PlayScene::PlaceShot(1, 0, 0);
    PutEnemy(0, static_cast<float>(hit), 0);
    CheckShotHits();
    Game.ShotAlive(1) = false;
  }
  EXPECT_EQ(Game.ExplosionSlot, 0);
  for (int i = 0; i <= kLastExplosion; ++i) EXPECT_EQ(Game.Explosion(i).x, static_cast<float>(i));
  Game.ExplosionTimer(0) = 3;  // slot 0's explosion is still running
  PlayScene::PlaceShot(1, 300, 100);
  PutEnemy(0, 310, 120);
  CheckShotHits();
  EXPECT_EQ(Game.ExplosionSlot, 1);
  EXPECT_EQ(Game.Explosion(0).x, 310.0f);
  EXPECT_EQ(Game.ExplosionTimer(0), 3);
  for (int i = 1; i <= kLastExplosion; ++i) Game.ExplosionActive(i) = false;

  DrawExplosions();  // only pictures 3 and 4 are left
  EXPECT_TRUE(PlayScene::BlockAt(3, 3, 310, 120));
  DrawExplosions();
  EXPECT_TRUE(PlayScene::BlockAt(3, 4, 308, 120));
  DrawExplosions();
  EXPECT_FALSE(Game.ExplosionActive(0));
  EXPECT_EQ(Game.ExplosionTimer(0), 0);
}

}  // namespace

}  // namespace ridgeline
