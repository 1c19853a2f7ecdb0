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

// The reset is shared by start-up and restart; setting the game going, and
// which screen comes next, is left to its caller.
TEST(StartUp, AResetLeavesTheGameStoppedAndItsScreenToTheCaller) {
  HeadlessGame game;
  game.StartUp();
  Game.GameState = static_cast<GameState>(7);
  ResetGame();
  EXPECT_FALSE(Game.Running);
  EXPECT_EQ(Game.GameState, static_cast<GameState>(7));
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
