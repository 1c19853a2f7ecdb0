#include "shell/frame_loop.h"

#include <exception>
#include <functional>

#include "game/enemies.h"
#include "game/event_pump.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "media/directx/windows_calls.h"
#include "screens/screens.h"
#include "shell/events.h"
#include "shell/shutdown.h"
#include "shell/stop_request.h"

namespace ridgeline {

namespace {

// Unwinds from RestartGame to the frame loop, abandoning the rest of the pass
// in progress. Not an error: the error trap lets it through.
struct RestartUnwind {};

long passes = 0;
long passLimit = 0;
std::function<void(long)> passEnded;

void EndPass() {
  if (passEnded) passEnded(passes);
}

// One pass: a frame and the events after it. A restart cuts it short and the
// end of the program may too; either way the pass has ended.
void RunPass() {
  BeginEventPass(passes);
  try {
    RunFrame();
    DoEvents();
  } catch (const RestartUnwind&) {
    // The new game is set up; its first splash frame is the next pass.
  } catch (...) {
    EndPass();
    throw;
  }
  EndPass();
}

// The game variables back to their start, all eleven enemies placed anew,
// and the splash screen next: the same at start-up and at every restart.
void BeginNewGame() {
  ResetGame();
  for (int i = 0; i <= kLastEnemy; ++i) SpawnEnemy(i);
  Game.Running = true;
  Game.GameState = GameState::Splash;
}

// One pass of the loop, then the ends that come between passes: the pass
// limit reached, or a stop asked for from outside the game.
void LoopPass() {
  RunPass();
  ++passes;
  if (passLimit > 0 && passes >= passLimit) ShutDown();
  if (const auto status = TakeStopRequest()) ShutDownWithStatus(*status);
}

// The program's only error trap: a failure in `steps` ends the program
// through ShutDown.
template <typename Steps>
void Trapped(Steps steps) {
  try {
    steps();
  } catch (const std::exception& failure) {
    ShutDown(failure.what());
  }
}

}  // namespace

void StartGame() {
  StartUp();
  for (;;) RunLoopPass();
}

void StartUp() {
  passes = 0;
  Trapped(BringUpGame);
}

void RunLoopPass() {
  Trapped(LoopPass);
}

void RunFrame() {
  if (!Game.Running) return;
  Game.ScrollStep = -2;
  switch (Game.GameState) {
    case GameState::Splash:
      SplashFrame();
      break;
    case GameState::Play:
      PlayFrame();
      break;
    case GameState::GameOver:
      GameOverFrame();
      break;
    case GameState::Title:
      TitleFrame();
      break;
  }
  DoEvents();
}

void BringUpGame() {
  InstallEventPump(ProcessPendingEvents);
  ShowCursor(false);
  InitSound();
  InitDisplay();
  LoadSounds();
  LoadGraphics();
  BeginNewGame();
}

void RestartGame() {
  BeginNewGame();
  throw RestartUnwind{};
}

long PassesRun() {
  return passes;
}

void SetPassLimit(long limit) {
  passLimit = limit;
}

void SetPassEndHook(std::function<void(long pass)> hook) {
  passEnded = std::move(hook);
}

}  // namespace ridgeline
