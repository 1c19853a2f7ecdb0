#include <gtest/gtest.h>

#include "common/run_time_error.h"
#include "fixture_data.h"
#include "headless_game.h"
#include "media/directx/display.h"

namespace ridgeline {

namespace {

constexpr unsigned kFill = 0x1234;

class Blit : public ::testing::Test {
 protected:
  void SetUp() override {
    game_.StartUp();
    BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, kFill);
  }
  static unsigned Player() { return FixtureSpriteColour(0, 0); }
  static void DrawPlayer(double x, double y) {
    BlitSprite(*BackBuffer, Sprite(SpriteKind::Player, 0).get(), x, y, 80, 80);
  }

  HeadlessGame game_;
};

TEST_F(Blit, RoundsPositionsHalfToEven) {
  DrawPlayer(100, 322.5);  // 322.5 is drawn at row 322
  EXPECT_EQ(HeadlessGame::Pixel(100, 321), kFill);
  EXPECT_EQ(HeadlessGame::Pixel(100, 322), Player());
  EXPECT_EQ(HeadlessGame::Pixel(100, 331), Player());
  EXPECT_EQ(HeadlessGame::Pixel(100, 332), kFill);

  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, kFill);
  DrawPlayer(100.5, 323.5);  // 323.5 goes up to 324, 100.5 down to 100
  EXPECT_EQ(HeadlessGame::Pixel(100, 323), kFill);
  EXPECT_EQ(HeadlessGame::Pixel(100, 324), Player());
  EXPECT_EQ(HeadlessGame::Pixel(99, 324), kFill);
}

TEST_F(Blit, DrawsAllOrNothing) {
  DrawPlayer(560, 400);  // the right and bottom edges exactly
  EXPECT_EQ(HeadlessGame::Pixel(560, 400), Player());

  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, kFill);
  for (auto [x, y] : {std::pair{561.0, 0.0},
                      {-1.0, 0.0},
                      {0.0, -1.0},
                      {0.0, 401.0},
                      {-100000.0, 5.0},
                      {3000.0, 200.0}}) {
    EXPECT_NO_THROW(DrawPlayer(x, y));
  }
  for (int y = 0; y < 480; y += 7) {
    for (int x = 0; x < 640; x += 7) ASSERT_EQ(HeadlessGame::Pixel(x, y), kFill) << x << "," << y;
  }
}

TEST_F(Blit, CopiesAreRefusedOutsideEitherSurface) {
  // A source rectangle larger than the picture draws nothing either.
  EXPECT_EQ(BackBuffer->BltFast(0, 0, *Sprite(SpriteKind::Player, 0), RECT{0, 0, 81, 80}, 17),
            DDERR_INVALIDRECT);
  EXPECT_EQ(BackBuffer->BltFast(0, 0, *Sprite(SpriteKind::Player, 0), RECT{0, 0, 80, 80}, 17),
            DD_OK);
  EXPECT_EQ(BackBuffer->BltColorFill(RECT{0, 0, 641, 480}, 0), DDERR_INVALIDRECT);
}

TEST_F(Blit, PositionsBeyondThirtyTwoBitsAreAnError) {
  EXPECT_THROW(DrawPlayer(3e9, 0), RunTimeError);
  EXPECT_THROW(DrawPlayer(0, -3e9), RunTimeError);
}

TEST_F(Blit, BlackIsTransparentInSpritesButDrawnInTheBackground) {
  DrawPlayer(200, 100);
  EXPECT_EQ(HeadlessGame::Pixel(205, 105), Player());  // the coloured block
  EXPECT_EQ(HeadlessGame::Pixel(250, 150), kFill);     // the black canvas lets the fill through

  // The background has no colour key: its black is drawn.
  BackBuffer->BltFast(0, 0, *BackgroundSurface, RECT{0, 0, 640, 480}, DDBLTFAST_WAIT);
  for (int x : {0, 1, 320, 639}) EXPECT_EQ(HeadlessGame::Pixel(x, 240), FixtureBackgroundColour(x));
}

TEST_F(Blit, TextIsDrawnInTheForeColourWithNothingBehindIt) {
  BackBuffer->SetForeColor(0 + 256 * 255);  // green
  BackBuffer->DrawText(10, 10, "SCORE 0", false);
  int green = 0;
  int other = 0;
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 80; ++x) {
      const unsigned p = HeadlessGame::Pixel(x, y);
      green += p == 0x07E0;
      other += p != 0x07E0 && p != kFill;
    }
  }
  EXPECT_GT(green, 20);
  EXPECT_EQ(other, 0);
}

}  // namespace

}  // namespace ridgeline
