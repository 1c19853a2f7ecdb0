#pragma once

#include <functional>

namespace ridgeline {

// Brings up sound and display, loads the media, prepares the first game and
// runs the frame loop for ever. Any failure on the way, or in a frame, ends
// the program through ShutDown. Never returns.
[[noreturn]] void StartGame();

// StartGame in two halves, for a host that owns the program's loop and calls
// back once per tick (a browser): StartUp runs the steps before the loop, and
// each RunLoopPass one pass of it, both under StartGame's error trap. When
// the program ends in either, ProgramExit comes out, as from StartGame.
void StartUp();
void RunLoopPass();

// The start-up steps of StartGame before its loop: the shell's event pump
// installed, the cursor hidden, sound and display up, the media loaded, the
// first game prepared at the splash.
void BringUpGame();

// One pass's frame: the screen routine of the current GameState, then the
// window's pending events.
void RunFrame();

// Begins a new game from the splash screen. The frame or pass in which it is
// called is abandoned: the loop goes on with the new game's first frame.
[[noreturn]] void RestartGame();

// Passes of the frame loop run so far, counted across restarts; during a
// pass, the number of that pass.
long PassesRun();
// Ends the program through ShutDown once this many passes have run (none: 0).
void SetPassLimit(long passes);
// Calls `hook` with the pass's number whenever a pass ends: after its frame
// and events, when a restart cuts it short, or when the program ends during
// it (empty: none).
void SetPassEndHook(std::function<void(long pass)> hook);

}  // namespace ridgeline
