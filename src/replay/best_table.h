#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "replay/replay_file.h"

namespace ridgeline {

// One kept game: what its replay's header says, and the replay's file name.
struct BestGame {
  ReplayHeader header;
  std::string file;
};

// The ten best games kept, best first. Higher scores come first; of equal
// scores the earlier game keeps the higher place, so a game that only ties
// the tenth is not kept.
class BestTable {
 public:
  static constexpr std::size_t kKept = 10;

  // Whether a game that ends now with `score` would be kept.
  bool Keeps(std::int64_t score) const;
  // Puts `game` in its place. Returns the game that this leaves out of the
  // ten (`game` itself when it does not make them), if any.
  std::optional<BestGame> Add(BestGame game);

  const std::vector<BestGame>& Games() const { return games_; }
  // The best score kept, if any.
  std::optional<std::int64_t> Best() const;

 private:
  std::vector<BestGame> games_;
};

// The table as --scores prints it: a line of headings, then one line per
// game with its rank, score, date and file (under `folder`).
std::string FormatBestTable(const BestTable& table, const std::string& folder);

}  // namespace ridgeline
