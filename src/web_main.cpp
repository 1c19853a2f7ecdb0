// The game in a web page. The browser owns the program's loop: main runs the
// start-up steps and returns, and from then on each of the page's animation
// frames runs the passes that have fallen due, 60 a second whatever the
// display's rate. Input is taken where the desktop game takes it, at the
// event points of each pass, from SDL's queue, which the browser fills
// between animation frames. The page (web/page.js) hands in the command line
// (a script to play and a trace to write) and hears when the game ends.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "app/options.h"
#include "app/run_setup.h"
#include "common/app_path.h"
#include "common/exit_status.h"
#include "common/warning.h"
#include "game/state.h"
#include "media/directx/media.h"
#include "media/platform/platform.h"
#include "media/sdl/canvas_video.h"
#include "media/sdl/frame_pacer.h"
#include "replay/best_games.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

using namespace ridgeline;

namespace {

// What lives from start-up until the game ends.
struct PageRun {
  std::unique_ptr<RunSetup> setup;
  TickPacer pacer;
  bool hidden = false;
};
PageRun page;

// Stops the loop, puts the run's files in place and lets the page know how
// the game ended (status 0: the player ended it, or a scripted run its
// passes), so that it can offer another game or read the trace.
void End(int status) {
  emscripten_cancel_main_loop();
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, nullptr);
  std::string error;
  if (page.setup && !page.setup->Finish(error)) {
    Warn(error);
    if (status == 0) status = kFailureStatus;
  }
  page.setup.reset();
  ReleaseMedia();
  EM_ASM({ Module['gameEnded']($0); }, status);
}

// One animation frame: the passes due, each timed for the page's figures.
void Tick() {
  if (page.hidden) return;
  const auto now = std::chrono::duration<double, std::milli>(emscripten_get_now());
  long due = page.pacer.PassesDue(std::chrono::duration_cast<Nanoseconds>(now));
  // A kept game being watched: the passes before it began run unseen, at once.
  due = std::max(due, page.setup->FirstShownPass() - PassesRun());
  for (long pass = 0; pass < due; ++pass) {
    const bool playing = Game.GameState == GameState::Play;
    const double start = emscripten_get_now();
    try {
      RunLoopPass();
    } catch (const ProgramExit& exit) {
      return End(exit.status);
    } catch (const std::exception& failure) {
      // A failure while shutting down, after the error trap has already run.
      Warn(failure.what());
      return End(kFailureStatus);
    }
    EM_ASM({ Module['passRun']($0, $1); }, playing, emscripten_get_now() - start);
  }
}

// A hidden page pauses the game, as a desktop window that is away does: no
// passes and no sound until it is shown again.
EM_BOOL VisibilityChanged(int, const EmscriptenVisibilityChangeEvent* change, void*) {
  page.hidden = change->hidden;
  page.pacer.Stop();
  CurrentPlatform().sound->Pause(page.hidden);
  return EM_FALSE;
}

// Ends a game that could not start, saying why.
int Refused(int status, const std::string& why) {
  Warn(why);
  End(status);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return Refused(kUsageStatus, error);
  const auto appPath = FindAppPath(error);
  if (!appPath) return Refused(kFailureStatus, error);
  SetAppPath(*appPath);
  page.setup = RunSetup::Prepare(*options, error);
  if (!page.setup) return Refused(kUsageStatus, error);
  // A scripted run plays unheard: its sounds follow the frames, as in a
  // headless run, so that its trace is the same in every browser.
  Platform platform = MakeCanvasPlatform(options->input.empty() && !options->mute);
  page.setup->Attach(platform);
  SetPlatform(std::move(platform));
  SetPassLimit(options->frames);
  try {
    StartUp();
  } catch (const ProgramExit& exit) {
    End(exit.status);
    return exit.status;
  }
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, VisibilityChanged);
  // The page keeps the best games in the browser's storage.
  SetBestKeptHook([] { EM_ASM({ Module['bestKept'](); }); });
  // The browser calls Tick at its display's rate; main returns, and the
  // runtime stays for the loop.
  emscripten_set_main_loop(Tick, 0, EM_FALSE);
  return 0;
}
