#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/state.h"
#include "game_scene.h"
#include "shell/input.h"
#include "shell/shutdown.h"

namespace {

// What a key may change, besides ending the program.
auto Observed() {
  const GameVariables& g = Game;
  return std::make_tuple(g.GameState, g.PlayerSpeed, g.Jumping, g.ShotsActive, g.ShotSlot,
                         g.ShotCount, g.Running, g.SplashTicks);
}

enum class Effect { Nothing, Ends, StartsPlay, RunLeft, RunRight, Jumps, Fires };

std::string Describe(Effect effect) {
  switch (effect) {
    case Effect::Nothing:
      return "nothing";
    case Effect::Ends:
      return "the end of the program";
    case Effect::StartsPlay:
      return "play";
    case Effect::RunLeft:
      return "speed -4";
    case Effect::RunRight:
      return "speed 4";
    case Effect::Jumps:
      return "a jump";
    case Effect::Fires:
      return "a shot";
  }
  return "?";
}

// Presses `key` in `state` on a fresh game and says what came of it.
Effect Press(int state, int key, int shift = 0) {
  PlayScene scene;
  Game.GameState = state;
  Game.PlayerSpeed = 0;
  Game.GameOverTicks = 50;  // one short of what a restart needs
  const auto before = Observed();
  try {
    OnKeyDown(key, shift);
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 0);
    return Effect::Ends;
  }
  auto expect = before;
  auto& [gameState, speed, jumping, shotsActive, shotSlot, shotCount, running, splash] = expect;
  const auto after = Observed();
  if (after == before) return Effect::Nothing;
  gameState = 1;
  if (after == expect) return Effect::StartsPlay;
  gameState = state;
  speed = -4;
  if (after == expect) return Effect::RunLeft;
  speed = 4;
  if (after == expect) return Effect::RunRight;
  speed = 0;
  jumping = true;
  if (after == expect) return Effect::Jumps;
  jumping = false;
  shotsActive = true;
  shotSlot = 0;
  shotCount = 1;
  if (after == expect) return Effect::Fires;
  ADD_FAILURE() << "key " << key << " in state " << state << " had an unexpected effect";
  return Effect::Nothing;
}

struct Row {
  int key;
  Effect splash, title, playing, gameOver;
};

TEST(KeyDown, ActsAsTheKeyTableSaysInEveryState) {
  using enum Effect;
  const Row table[] = {
      {kKeyEscape, Ends, Ends, Ends, Ends},
      {kKeyBackspace, Nothing, StartsPlay, Ends, Ends},
      {kKeyLeft, Nothing, StartsPlay, RunLeft, Nothing},
      {kKeyRight, Nothing, StartsPlay, RunRight, Nothing},
      {kKeyUp, Nothing, StartsPlay, Jumps, Nothing},
      {kKeySpace, Nothing, StartsPlay, Fires, Nothing},
      {13, Nothing, StartsPlay, Nothing, Nothing},  // Enter: any other key
      {65, Nothing, StartsPlay, Nothing, Nothing},  // A
      {40, Nothing, StartsPlay, Nothing, Nothing},  // Down
  };
  for (const Row& row : table) {
    for (auto [state, effect] : {std::pair{0, row.splash}, std::pair{3, row.title},
                                 std::pair{1, row.playing}, std::pair{2, row.gameOver}}) {
      for (int shift : {0, 1, 7}) {  // the modifiers change nothing
        EXPECT_EQ(Describe(Press(state, row.key, shift)), Describe(effect))
            << "key " << row.key << " in state " << state << " with modifiers " << shift;
      }
    }
  }
}

TEST(KeyDown, UpDuringAJumpOnlySetsTheFlagAgain) {
  PlayScene scene;
  Game.Jumping = true;
  Game.JumpVelocity = 3.4;
  Game.PlayerY = 200;
  OnKeyDown(kKeyUp, 0);
  EXPECT_TRUE(Game.Jumping);
  EXPECT_EQ(Game.JumpVelocity, 3.4);
  EXPECT_EQ(Game.PlayerY, 200);
}

TEST(KeyDown, SpaceHeldDownFiresAtEachRepeatUpToFiveShots) {
  PlayScene scene;
  for (int repeat = 0; repeat < 8; ++repeat) OnKeyDown(kKeySpace, 0);
  EXPECT_EQ(Game.ShotCount, 5);
  EXPECT_EQ(Game.ShotSlot, 4);
}

TEST(KeyUp, StopsTheRunOnlyForAnArrowWhilePlaying) {
  PlayScene scene;
  OnKeyDown(kKeyRight, 0);
  OnKeyDown(kKeyLeft, 0);
  EXPECT_EQ(Game.PlayerSpeed, -4);
  OnKeyUp(kKeyLeft, 0);  // although Right is still held
  EXPECT_EQ(Game.PlayerSpeed, 0);

  for (int key : {kKeyUp, kKeySpace, kKeyBackspace, kKeyEscape, 65}) {
    Game.PlayerSpeed = 4;
    OnKeyUp(key, 0);
    EXPECT_EQ(Game.PlayerSpeed, 4) << key;
  }
  OnKeyUp(kKeyRight, 2);
  EXPECT_EQ(Game.PlayerSpeed, 0);

  for (int state : {0, 2, 3}) {
    Game.GameState = state;
    Game.PlayerSpeed = -4;
    OnKeyUp(kKeyLeft, 0);
    OnKeyUp(kKeyRight, 0);
    EXPECT_EQ(Game.PlayerSpeed, -4) << "state " << state;
  }
}

TEST(MouseDown, AnyButtonEndsTheProgramInEveryState) {
  for (int state : {0, 1, 2, 3}) {
    for (int button : {1, 2, 4}) {
      PlayScene scene;
      Game.GameState = state;
      try {
        OnMouseDown(button, 0, 320, 240);
        ADD_FAILURE() << "button " << button << " in state " << state << " did not end it";
      } catch (const ProgramExit& exit) {
        EXPECT_EQ(exit.status, 0);
        EXPECT_TRUE(scene.Video().CursorShown());
      }
    }
  }
}

}  // namespace
