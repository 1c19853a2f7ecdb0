#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "fixture_data.h"
#include "game/state.h"
#include "game_scene.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "media/directx/text.h"
#include "screens/screen_parts.h"
#include "screens/screens.h"
#include "shell/shutdown.h"

namespace ridgeline {

namespace {

constexpr unsigned kMarker = 0x1234;

// Where a line of text drawn at (x, y) puts ink on a 640 x 480 picture.
class TextInk {
 public:
  TextInk(int x, int y, const std::string& text)
      : surface_(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565)) {
    SDL_FillRect(surface_, nullptr, kMarker);
    DrawTextLine(*surface_, x, y, text, SDL_Color{255, 255, 255, 255});
  }
  ~TextInk() { SDL_FreeSurface(surface_); }
  TextInk(const TextInk&) = delete;
  TextInk& operator=(const TextInk&) = delete;

  bool At(int x, int y) const {
    return static_cast<const Uint16*>(surface_->pixels)[y * (surface_->pitch / 2) + x] != kMarker;
  }

 private:
  SDL_Surface* surface_;
};

class Screens : public ::testing::Test {
 protected:
  PlayScene scene_;
};

TEST_F(Screens, GameOverTakesInputBeforeItsFlip) {
  Game.GameState = GameState::GameOver;
  scene_.Video().Push({WindowEvent::Kind::KeyDown, 27});
  EXPECT_THROW(GameOverFrame(), ProgramExit);
  EXPECT_EQ(scene_.Video().Frames(), 0);
  EXPECT_EQ(Game.GameOverTicks, 0);
}

TEST_F(Screens, PlayTakesInputOnlyDuringAJumpStep) {
  scene_.Video().Push({WindowEvent::Kind::KeyDown, 27});
  PlayFrame();
  EXPECT_EQ(scene_.Video().Frames(), 1);
  Game.Jumping = true;
  EXPECT_THROW(PlayFrame(), ProgramExit);
  EXPECT_EQ(scene_.Video().Frames(), 1);
}

TEST_F(Screens, PlayDrawsEnemiesThenExplosionsThenFloorThenScore) {
  Game.PlayerY = 275;
  PlayScene::PlaceEnemy(0, 108, 0.76f);  // drawn at (103, 278)
  Game.ExplosionActive(2) = true;
  Game.Explosion(2) = ExplosionRow{106, 281};
  Game.ExplosionActive(3) = true;
  Game.Explosion(3) = ExplosionRow{3, 395};
  for (int i = 4; i <= 10; ++i) {
    Game.ExplosionActive(i) = true;
    Game.Explosion(i) = ExplosionRow{static_cast<float>(10 * (i - 4)), 0};
  }
  Game.Score = 4500;
  PlayFrame();
  const unsigned player = FixtureSpriteColour(0, 0);
  const unsigned enemy = FixtureSpriteColour(1, 0);
  const unsigned explosion = FixtureSpriteColour(3, 0);
  const unsigned floor = FixtureSpriteColour(5, 0);
  EXPECT_EQ(HeadlessGame::Pixel(101, 276), player);
  EXPECT_EQ(HeadlessGame::Pixel(104, 279), enemy);
  EXPECT_EQ(HeadlessGame::Pixel(107, 282), explosion);
  EXPECT_EQ(HeadlessGame::Pixel(11, 396), explosion);
  EXPECT_EQ(HeadlessGame::Pixel(4, 401), floor);
  // The score is black ink over the explosions along the top edge.
  const TextInk score(0, 0, "SCORE 4500");
  int ink = 0;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 70; ++x) {
      ink += score.At(x, y);
      EXPECT_EQ(HeadlessGame::Pixel(x, y), score.At(x, y) ? 0u : explosion) << x << "," << y;
    }
  }
  EXPECT_GT(ink, 0);
  EXPECT_EQ(Game.GameState, GameState::GameOver);  // the enemy touched the player
}

}  // namespace

}  // namespace ridgeline
