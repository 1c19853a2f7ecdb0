#include <gtest/gtest.h>

#include <vector>

#include "fixture_data.h"
#include "game/player.h"
#include "game/state.h"
#include "game_scene.h"
#include "media/directx/display.h"
#include "screens/screens.h"

namespace ridgeline {

namespace {

// The heights of a jump from the ground, one per JumpStep, up to and
// including the landing.
std::vector<double> JumpHeights() {
  std::vector<double> heights;
  double y = Game.PlayerY;
  Game.Jumping = true;
  while (Game.Jumping && heights.size() < 1000) {
    y = JumpStep(y);
    heights.push_back(y);
  }
  return heights;
}

TEST(Jump, LastsOneHundredStepsPeaksNearSeventyEightAndLandsOnTheGround) {
  PlayScene scene;
  Game.JumpVelocity = 10;
  const std::vector<double> heights = JumpHeights();
  ASSERT_EQ(heights.size(), 100u);
  EXPECT_DOUBLE_EQ(heights[0], 313.2);
  EXPECT_DOUBLE_EQ(heights[1], 303.6);
  EXPECT_NEAR(heights[48], 78, 1e-9);  // steps 49 and 50 share the top
  EXPECT_NEAR(heights[49], 78, 1e-9);
  for (double y : heights) EXPECT_GE(y, heights[48] - 1e-9);
  // The 0.2 steps are not exact in double arithmetic: step 99 stops just
  // short of the ground, so the landing is step 100.
  EXPECT_EQ(heights[98], 322.9999999999998);
  EXPECT_EQ(heights[99], 323);
  EXPECT_EQ(Game.JumpVelocity, 10);
  EXPECT_FALSE(Game.Jumping);
}

TEST(Jump, TheFirstJumpOfAGameDoesNotLeaveTheGround) {
  PlayScene scene;
  ASSERT_EQ(Game.JumpVelocity, 0);  // as the reset leaves it
  const std::vector<double> heights = JumpHeights();
  EXPECT_EQ(heights, std::vector<double>{323});
  EXPECT_EQ(Game.JumpVelocity, 10);
  // The next one is a full jump.
  EXPECT_EQ(JumpHeights().size(), 100u);
}

TEST(Jump, LandsOnReachingTheGroundExactly) {
  PlayScene scene;
  Game.JumpVelocity = 0.2;  // the step leaves the height at 323 itself
  EXPECT_EQ(JumpHeights(), std::vector<double>{323});
  EXPECT_EQ(Game.JumpVelocity, 10);
}

TEST(Run, MovesFourAPassUntilPastTheLimitsTenAndSixHundredThirty) {
  PlayScene scene;
  // x, speed, x after one move; the limits themselves are outside.
  const int moves[][3] = {{100, -4, 96}, {12, -4, 8},   {8, -4, 8},    {10, -4, 10},
                          {628, 4, 632}, {632, 4, 632}, {630, 4, 630}, {632, 0, 632}};
  for (const auto& [x, speed, after] : moves) {
    Game.PlayerX = x;
    Game.PlayerSpeed = speed;
    MovePlayer();
    EXPECT_EQ(Game.PlayerX, after) << x << " at " << speed;
  }
}

TEST(Run, BeyondFiveHundredSixtyThePlayerIsNotShown) {
  PlayScene scene;
  Game.PlayerX = 560;
  PlayScene::PlayFrames(1);
  EXPECT_TRUE(PlayScene::BlockAt(0, 0, 560, 323));
  Game.PlayerX = 564;
  PlayScene::PlayFrames(1);
  for (int x = 560; x < 640; ++x) EXPECT_NE(HeadlessGame::Pixel(x, 325), FixtureSpriteColour(0, 0));
}

}  // namespace

}  // namespace ridgeline
