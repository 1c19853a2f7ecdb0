#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/state.h"
#include "game_scene.h"
#include "shell/input.h"
#include "shell/shutdown.h"

namespace ridgeline {

namespace {

// What a key may change, besides ending the program.
auto Observed() {
  const GameVariables& g = Game;
  return std::make_tuple(g.GameState, g.PlayerSpeed, g.Jumping, g.ShotsActive, g.ShotSlot,
                         g.ShotCount, g.Running, g.SplashTicks);
}

// Presses `key` in `state` on a fresh game and says what came of it: "ends",
// "play", "speed -4", "speed 4", "jump", "shot" or "nothing".
std::string Press(GameState state, int key, int shift) {
  PlayScene scene;
  Game.GameState = state;
  Game.GameOverTicks = 50;  // one short of what a restart needs
  const auto before = Observed();
  try {
    OnKeyDown(key, shift);
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 0);
    return "ends";
  }
  const auto after = Observed();
  auto expect = before;
  auto& [gameState, speed, jumping, shotsActive, shotSlot, shotCount, running, splash] = expect;
  if (after == expect) return "nothing";
  gameState = GameState::Play;
  if (after == expect) return "play";
  gameState = state;
  for (int newSpeed : {-4, 4}) {
    speed = newSpeed;
    if (after == expect) return "speed " + std::to_string(newSpeed);
  }
  speed = 0;
  jumping = true;
  if (after == expect) return "jump";
  jumping = false;
  shotsActive = true;
  shotSlot = 0;
  shotCount = 1;
  if (after == expect) return "shot";
  return "something unexpected";
}

struct Row {
  int key;
  const char *splash, *title, *playing, *gameOver;
};

TEST(KeyDown, ActsAsTheKeyTableSaysInEveryState) {
  const Row table[] = {
      {kKeyEscape, "ends", "ends", "ends", "ends"},
      {kKeyBackspace, "nothing", "play", "ends", "ends"},
      {kKeyLeft, "nothing", "play", "speed -4", "nothing"},
      {kKeyRight, "nothing", "play", "speed 4", "nothing"},
      {kKeyUp, "nothing", "play", "jump", "nothing"},
      {kKeySpace, "nothing", "play", "shot", "nothing"},
      {13, "nothing", "play", "nothing", "nothing"},  // Enter: any other key
      {65, "nothing", "play", "nothing", "nothing"},  // A
      {40, "nothing", "play", "nothing", "nothing"},  // Down
  };
  for (const Row& row : table) {
    for (auto [state, effect] :
         {std::pair{GameState::Splash, row.splash}, std::pair{GameState::Title, row.title},
          std::pair{GameState::Play, row.playing}, std::pair{GameState::GameOver, row.gameOver}}) {
      for (int shift : {0, 1, 7}) {  // the modifiers change nothing
        EXPECT_EQ(Press(state, row.key, shift), effect)
            << "key " << row.key << " in state " << static_cast<int>(state) << " with modifiers "
            << shift;
      }
    }
  }
}

}  // namespace

}  // namespace ridgeline
