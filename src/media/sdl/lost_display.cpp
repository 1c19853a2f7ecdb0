#include "media/sdl/lost_display.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace ridgeline {

namespace {

std::function<void()> lastWords;

// Xlib's handler for a lost connection; it must not return, or Xlib ends the
// process itself.
int OnConnectionLost(Display* /*display*/) {
  std::fputs("ridgeline: the display was lost\n", stderr);
  try {
    if (lastWords) lastWords();
  } catch (...) {
    // Nothing more can be saved; the status still says the run failed.
  }
  std::fflush(stdout);
  std::fflush(stderr);
  _exit(1);
}

}  // namespace

void SetDisplayLostHook(std::function<void()> hook) {
  lastWords = std::move(hook);
}

void WatchDisplayConnection() {
  // SDL loads the same libX11 that the game links, so the handler is the one
  // that SDL's connection uses.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) XSetIOErrorHandler(OnConnectionLost);
}

}  // namespace ridgeline
