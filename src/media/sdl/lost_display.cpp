#include "media/sdl/lost_display.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "common/warning.h"

// Only a Linux desktop build links Xlib; on Windows and in the browser a
// lost display is SDL's to report, and the watch does nothing.
#ifdef RIDGELINE_HAS_X11
#include <X11/Xlib.h>
#endif

namespace ridgeline {

namespace {

std::function<void()> lastWords;

#ifdef RIDGELINE_HAS_X11

// Xlib's handler for a lost connection; it must not return, or Xlib ends the
// process itself. Xlib calls it from the game's own thread, in the call that
// found the connection gone, not from a signal: it may write and allocate.
int OnConnectionLost(Display* /*display*/) {
  Warn("the display was lost");
  try {
    if (lastWords) lastWords();
  } catch (...) {
    // Nothing more can be saved; the status still says the run failed.
  }
  std::fflush(stdout);
  std::_Exit(1);
}
#endif

}  // namespace

void SetDisplayLostHook(std::function<void()> hook) {
  lastWords = std::move(hook);
}

void WatchDisplayConnection() {
#ifdef RIDGELINE_HAS_X11
  // SDL loads the same libX11 that the game links, so the handler is the one
  // that SDL's connection uses.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) XSetIOErrorHandler(OnConnectionLost);
#endif
}

}  // namespace ridgeline
