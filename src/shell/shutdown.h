#pragma once

#include <string>

namespace ridgeline {

// Thrown by ShutDown to end the program: it unwinds every frame and handler in
// progress, so nothing pending runs, and main returns `status`. Not derived
// from std::exception, so that no error handler can stop it.
struct ProgramExit {
  int status;
};

// The program's only way out: stops the MIDI music, restores the display and
// shows the cursor, then ends the program. Given what failed, it reports that
// on one line of standard error and ends with status 1; otherwise the player
// chose to end, with status 0. Never returns.
[[noreturn]] void ShutDown(const std::string& failure = {});

// The same way out, for a run stopped from outside the game: ends the
// program with exit status `status` and reports nothing.
[[noreturn]] void ShutDownWithStatus(int status);

}  // namespace ridgeline
