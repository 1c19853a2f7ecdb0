#pragma once

namespace ridgeline {

// The game decides where the window's pending events are processed (inside a
// jump step, in the game-over frame, at the end of a frame and after it); the
// program's shell decides how, and installs its pump at start-up. Until then
// there is nothing to take events from, and DoEvents does nothing.
using EventPump = void (*)();
void InstallEventPump(EventPump pump);

// Lets the window process its pending events once, through the installed
// pump: every event waiting goes to the input handlers, which may change the
// game, restart it or end the program before this returns.
void DoEvents();

}  // namespace ridgeline
