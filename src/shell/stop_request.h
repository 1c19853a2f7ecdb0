#pragma once

#include <optional>

namespace ridgeline {

// A request from outside the game's own events to end the program once the
// pass in progress is over, so that every file written for the run ends on a
// whole pass: a signal, or the player leaving a scripted run. The first
// request counts. Safe to make from a signal handler.
void RequestStop(int status) noexcept;

// The exit status asked for, if a stop has been requested since the last
// call; taking it clears it.
std::optional<int> TakeStopRequest();

}  // namespace ridgeline
