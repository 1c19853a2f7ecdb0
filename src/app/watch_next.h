#pragma once

#include <string>

namespace ridgeline {

// A kept game that the player chose in the pause menu, to be watched once
// the game being played has ended: the program then starts afresh as
// `ridgeline --watch RANK`, as if the player had typed it.
void ChooseToWatch(int rank);
// The rank chosen, 1 for the best; 0 when none was.
int RankChosenToWatch();

// Replaces the running program by itself watching best game `rank`. Returns
// only when that fails, with `error` set to one line; in a page, which loads
// again to watch, also when the browser is on its way.
void WatchInstead(int rank, std::string& error);

}  // namespace ridgeline
