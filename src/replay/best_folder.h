#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/best_index.h"
#include "replay/best_table.h"

namespace ridgeline {

// Where the best games are kept: "best" in the player's data folder
// ($XDG_DATA_HOME/ridgeline/best, %APPDATA%\Ridgeline\best). Empty when no
// place is known.
std::string BestFolder();

// A file of the best folder that does not rank: it did not end as it says
// when it was replayed, or it has not been replayed yet.
struct UnrankedGame {
  std::string file;
  bool failed = false;
};

// Replays the replay file `path` as --verify does: whether it ends as it says,
// or nothing when it could not be asked (the check was interrupted, say).
using ReplayCheck = std::function<std::optional<bool>(const std::string& path)>;

// The best games of `folder`: only replays that were replayed and ended as
// they say rank. What was replayed is kept in the folder's index. Without
// `check`, only the files that the index has seen verify are read, each up
// to the size it had then, so that nothing else in the folder costs time;
// with it, every other replay is checked (once: the index keeps the verdict).
// A file that cannot be read, is too large or is not a replay is left out
// with one warning.
struct LoadedBest {
  BestTable table;
  std::vector<UnrankedGame> unranked;
  BestIndex index;
  std::vector<std::string> warnings;
};
LoadedBest LoadBestFolder(const std::string& folder, const ReplayCheck& check = nullptr);
// The same with each warning said on standard error.
LoadedBest LoadBest(const std::string& folder, const ReplayCheck& check = nullptr);

// Writes the replay `text` to `folder` under a free name made from `header`,
// so that the file appears whole or not at all; returns that name. On failure
// returns nothing and sets `error` to one line.
std::optional<std::string> SaveReplay(const std::string& folder, const ReplayHeader& header,
                                      std::string_view text, std::string& error);

}  // namespace ridgeline
