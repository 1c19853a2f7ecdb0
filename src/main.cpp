#include <SDL.h>

#include <string>
#include <vector>

#include "app/platform_choice.h"
#include "app/player_console.h"
#include "app/program_run.h"
#include "app/stop_signals.h"
#include "app/watch_next.h"
#include "common/exit_status.h"
#include "shell/form1.h"

using namespace ridgeline;

int main(int argc, char** argv) {
  ReachParentConsole();
  StopRunOnSignals();
  // SDL's own handlers would turn the same signals into a window closed by
  // the player, and so into success.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  ProgramRun run;
  if (const auto ended = run.Start(std::vector<std::string>(argv + 1, argv + argc), MakePlatform)) {
    return *ended;
  }
  // The game's loop runs here until the program ends.
  const int status = run.Finish(EndedIn([] { Form1.Form_Load(); }).value_or(0));
  // A best game chosen in the menu: the program goes on as its watching.
  return WatchChosenGame(status).value_or(kFailureStatus);
}
