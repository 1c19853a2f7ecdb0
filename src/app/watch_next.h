#pragma once

#include <optional>
#include <string>

namespace ridgeline {

// A kept game that the player chose in the pause menu, to be watched once
// the game being played has ended: the program then starts afresh as
// `ridgeline --watch RANK`, as if the player had typed it.
void ChooseToWatch(int rank);

// After a run that ended with `status`: the game chosen, if any, watched
// instead. Returns the program's status (the failure status, after a line,
// when watching could not start), or nothing when a page is on its way to
// loading again to watch.
std::optional<int> WatchChosenGame(int status);

// Replaces the running program by itself watching best game `rank`. Returns
// only when that fails, with `error` set to one line; in a page, which loads
// again to watch, also when the browser is on its way.
void WatchInstead(int rank, std::string& error);

}  // namespace ridgeline
