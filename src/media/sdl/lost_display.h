#pragma once

#include <functional>

namespace ridgeline {

// When the X server goes away under the game, or its connection is killed
// (xkill), Xlib gives the program no way back: every later call fails, and
// SDL's clean-up would wait for ever on the lost connection. So the program
// ends there: `lastWords` runs, to write out what the run has done; one line
// says that the display was lost; and the process ends with status 1 at once,
// without running a destructor.
void SetDisplayLostHook(std::function<void()> lastWords);

// Watches the display's connection from now on, when SDL's video runs on X11.
void WatchDisplayConnection();

}  // namespace ridgeline
