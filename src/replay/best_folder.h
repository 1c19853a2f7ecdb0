#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/best_table.h"

namespace ridgeline {

// Where the best games are kept: "best" in the player's data folder
// ($XDG_DATA_HOME/ridgeline/best, %APPDATA%\Ridgeline\best). Empty when no
// place is known.
std::string BestFolder();

// The best games of `folder`, read from their replays. A file that cannot be
// read, is too large or is not a replay is left out with one warning.
struct LoadedBest {
  BestTable table;
  std::vector<std::string> warnings;
};
LoadedBest LoadBestFolder(const std::string& folder);
// The same with each warning said on standard error.
BestTable LoadBestTable(const std::string& folder);

// Writes the replay `text` to `folder` under a free name made from `header`,
// so that the file appears whole or not at all; returns that name. On failure
// returns nothing and sets `error` to one line.
std::optional<std::string> SaveReplay(const std::string& folder, const ReplayHeader& header,
                                      std::string_view text, std::string& error);

}  // namespace ridgeline
