#include "shell/frame_loop.h"

#include <exception>

#include "game/enemies.h"
#include "game/state.h"
#include "media/display.h"
#include "media/sound.h"
#include "media/windows_calls.h"
#include "screens/screens.h"
#include "shell/events.h"
#include "shell/shutdown.h"

namespace {

// Unwinds from RestartGame to the frame loop, abandoning the rest of the pass
// in progress. Not an error: the error trap lets it through.
struct RestartUnwind {};

long passes = 0;
long passLimit = 0;

void PlaceEnemies() {
  for (int i = 0; i <= kLastEnemy; ++i) SpawnEnemy(i);
}

[[noreturn]] void FrameLoop() {
  for (;;) {
    try {
      RunFrame();
      DoEvents();
    } catch (const RestartUnwind&) {
      // The new game is set up; its first splash frame is the next pass.
    }
    ++passes;
    if (passLimit > 0 && passes >= passLimit) ShutDown();
  }
}

}  // namespace

void StartGame() {
  passes = 0;
  try {
    ShowCursor(false);
    InitSound();
    InitDisplay();
    LoadSounds();
    LoadGraphics();
    ResetGame();
    PlaceEnemies();
    Game.Running = true;
    Game.GameState = 0;
    FrameLoop();
  } catch (const std::exception& failure) {
    // The program's only error trap.
    ShutDown(failure.what());
  }
}

void RunFrame() {
  if (!Game.Running) return;
  Game.ScrollStep = -2;
  switch (Game.GameState) {
    case 0:
      SplashFrame();
      break;
    case 1:
      PlayFrame();
      break;
    case 2:
      GameOverFrame();
      break;
    case 3:
      TitleFrame();
      break;
  }
  DoEvents();
}

void RestartGame() {
  ResetGame();
  PlaceEnemies();
  Game.Running = true;
  Game.GameState = 0;
  throw RestartUnwind{};
}

long PassesRun() {
  return passes;
}

void SetPassLimit(long limit) {
  passLimit = limit;
}
