// The game in a web page. The browser owns the program's loop: main runs the
// start-up steps and returns, and from then on each of the page's animation
// frames runs the passes that have fallen due, 60 a second whatever the
// display's rate. Input is taken where the desktop game takes it, at the
// event points of each pass, from SDL's queue, which the browser fills
// between animation frames. The page (web/page.js) hands in the command line
// (a script to play and a trace to write) and hears when the game ends.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/platform_choice.h"
#include "app/program_run.h"
#include "app/watch_next.h"
#include "game/state.h"
#include "media/platform/platform.h"
#include "media/sdl/canvas_video.h"
#include "media/sdl/frame_pacer.h"
#include "replay/best_games.h"
#include "shell/frame_loop.h"

using namespace ridgeline;

namespace {

// What lives from start-up until the game ends.
struct PageRun {
  ProgramRun run;
  TickPacer pacer;
  bool hidden = false;
};
PageRun page;

// Lets the page know how the game ended (status 0: the player ended it, or a
// scripted run its passes), so that it can offer another game or read the
// trace.
void TellPage(int status) {
  EM_ASM({ Module['gameEnded']($0); }, status);
}

// Stops the loop and finishes the run: its files in place, then the page
// told, or, for a best game chosen in the menu, the page loaded again to
// watch it.
void End(int status) {
  emscripten_cancel_main_loop();
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, nullptr);
  if (const auto ended = WatchChosenGame(page.run.Finish(status))) TellPage(*ended);
}

// Runs one pass, timed for the page's figures; false once the game has ended.
bool RunPass() {
  const bool playing = Game.GameState == GameState::Play;
  const double start = emscripten_get_now();
  if (const auto ended = EndedIn(RunLoopPass)) {
    End(*ended);
    return false;
  }
  EM_ASM({ Module['passRun']($0, $1); }, playing, emscripten_get_now() - start);
  return true;
}

// How long one animation frame may spend on the passes before a watched
// game: the page keeps drawing and answering input while it catches up.
constexpr double kCatchUpSliceMs = 8;

// A kept game being watched: the passes before it began run unseen, a slice
// of them in each animation frame, and the page says how far it has come.
// True while there are more to run.
bool CatchingUp() {
  const long firstShown = page.run.FirstShownPass();
  if (PassesRun() >= firstShown) return false;
  const double start = emscripten_get_now();
  while (PassesRun() < firstShown && emscripten_get_now() - start < kCatchUpSliceMs) {
    if (!RunPass()) return true;
  }
  EM_ASM({ Module['catchingUp']($0, $1); }, PassesRun(), firstShown);
  // The game is then shown at 60 passes a second from this frame on.
  page.pacer.Stop();
  return true;
}

// One animation frame: the passes due.
void Tick() {
  if (page.hidden || CatchingUp()) return;
  // Under the pause menu no pass runs, and none is owed when it closes.
  if (CurrentPlatform().video->Held()) return page.pacer.Stop();
  const auto now = std::chrono::duration<double, std::milli>(emscripten_get_now());
  const long due = page.pacer.PassesDue(std::chrono::duration_cast<Nanoseconds>(now));
  for (long pass = 0; pass < due; ++pass) {
    if (!RunPass()) return;
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

// A scripted run plays unheard: its sounds follow the frames, as in a
// headless run, so that its trace is the same in every browser.
// Play has the pause menu; a script or a game watched takes Escape and
// clicks as it always has.
Platform MakePagePlatform(const Options& options) {
  const bool play = options.input.empty() && options.watch.empty();
  return MakeCanvasPlatform(options.input.empty() && !options.mute, play, MenuBestGames,
                            ChooseToWatch);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (const auto ended = page.run.Start(args, MakePagePlatform)) {
    TellPage(*ended);
    return *ended;
  }
  if (const auto ended = EndedIn(StartUp)) {
    End(*ended);
    return *ended;
  }
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, VisibilityChanged);
  // The page keeps the best games in the browser's storage.
  SetBestKeptHook([] { EM_ASM({ Module['bestKept'](); }); });
  // The browser calls Tick at its display's rate; main returns, and the
  // runtime stays for the loop.
  emscripten_set_main_loop(Tick, 0, EM_FALSE);
  return 0;
}
