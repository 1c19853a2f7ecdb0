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

// The slot that the latest FireShot filled, -1 when it fired nothing.
int FireAndFindSlot() {
  std::vector<bool> before;
  for (int i = 0; i <= kLastShot; ++i) before.push_back(Game.ShotAlive(i));
  FireShot();
  for (int i = 0; i <= kLastShot; ++i) {
    if (Game.ShotAlive(i) && !before[i]) return i;
  }
  return -1;
}

TEST(FireShot, TakesSlotZeroOnceThenSlotsOneToThirtyInTurn) {
  PlayScene scene;
  Game.PlayerX = 600;  // each shot starts at 680 and leaves in its first move
  std::vector<int> slots;
  for (int shot = 0; shot < 62; ++shot) {
    slots.push_back(FireAndFindSlot());
    MoveShots();
    ASSERT_EQ(Game.ShotCount, 0);
  }
  std::vector<int> expected;
  for (int s = 0; s <= 30; ++s) expected.push_back(s);
  for (int s = 1; s <= 30; ++s) expected.push_back(s);
  expected.push_back(1);
  EXPECT_EQ(slots, expected);
}

TEST(FireShot, AtMostFiveShotsFly) {
  PlayScene scene;
  for (int i = 0; i < 7; ++i) FireShot();
  EXPECT_EQ(Game.ShotCount, 5);
  EXPECT_EQ(Game.ShotSlot, 4);
  int alive = 0;
  for (int i = 0; i <= kLastShot; ++i) alive += Game.ShotAlive(i);
  EXPECT_EQ(alive, 5);

  // From 180 a shot reaches 640 in its 46th move.
  for (int frame = 0; frame < 45; ++frame) MoveShots();
  FireShot();
  EXPECT_EQ(Game.ShotCount, 5);
  MoveShots();
  EXPECT_EQ(Game.ShotCount, 0);
  FireShot();
  EXPECT_EQ(Game.ShotCount, 1);
  EXPECT_TRUE(Game.ShotAlive(5));
}

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

TEST_F(ShotHits, OneShotScoresOneHundredMoreForEachFurtherEnemy) {
  PutEnemy(2, 250, 320);
  PutEnemy(5, 180, 290.5);
  PutEnemy(9, 270, 260);
  CheckShotHits();
  EXPECT_EQ(Game.ShotHits(0), 3);
  EXPECT_EQ(Game.Score, 600);
  EXPECT_TRUE(Game.ShotAlive(0));  // it flies on
  // Explosions in the order of the enemies' numbers, at their positions.
  EXPECT_EQ(Game.Explosion(0).x, 250.0f);
  EXPECT_EQ(Game.Explosion(1).x, 180.0f);
  EXPECT_EQ(Game.Explosion(1).y, 290.5);
  EXPECT_EQ(Game.Explosion(2).x, 270.0f);
  EXPECT_EQ(Game.ExplosionSlot, 3);
  for (int i : {2, 5, 9})
    EXPECT_GE(Game.Enemy(i).x, 1280.0f) << "enemy " << i << " was not sent back";

  Game.ShotAlive(0) = false;
  PlayScene::PlaceShot(1, 200, 300);
  PutEnemy(0, 210, 300);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 700);  // the next shot starts again at 100
  EXPECT_EQ(Game.ShotHits(1), 1);
}

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

TEST_F(ShotHits, HitsCloseTogetherGiveOneExplosionSound) {
  const DirectSoundBuffer& boom = *SoundBuffer(0);
  PutEnemy(1, 200, 300);
  PutEnemy(2, 200, 300);
  CheckShotHits();
  EXPECT_EQ(Game.Score, 300);
  EXPECT_TRUE(boom.IsPlaying());
  EXPECT_EQ(boom.Starts(), 1);
  for (int frame = 0; frame < 30; ++frame) scene_.Sound().FrameShown();  // its 0.5 s
  EXPECT_FALSE(boom.IsPlaying());
  PutEnemy(3, 200, 300);
  CheckShotHits();
  EXPECT_EQ(boom.Starts(), 2);
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

TEST(Explosions, ShowFivePicturesDriftingTwoPixelsLeftThenEnd) {
  PlayScene scene;
  Game.ExplosionActive(4) = true;
  Game.Explosion(4) = ExplosionRow{200.5f, 150.5};
  for (int picture = 0; picture < 5; ++picture) {
    BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, 0);
    DrawExplosions();
    // 200.5, 198.5, ... round half to even: 200, 198, 196, 194, 192; y 150.5 to 150.
    EXPECT_TRUE(PlayScene::BlockAt(3, picture, 200 - 2 * picture, 150)) << "picture " << picture;
  }
  EXPECT_TRUE(Game.ExplosionActive(4));
  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, 0);
  DrawExplosions();
  EXPECT_FALSE(Game.ExplosionActive(4));
  EXPECT_EQ(Game.ExplosionTimer(4), 0);
  for (int picture = 0; picture < 5; ++picture) {
    EXPECT_EQ(PlayScene::FindBlock(3, picture), std::make_pair(-1, -1));
  }
}

}  // namespace

}  // namespace ridgeline
