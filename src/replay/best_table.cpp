#include "replay/best_table.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace ridgeline {

namespace {

// Higher scores first, then the earlier date; the file name settles the rest,
// so that the order never depends on the order the files were read in.
bool Before(const BestGame& a, const BestGame& b) {
  return std::tie(b.header.score, a.header.date, a.file) <
         std::tie(a.header.score, b.header.date, b.file);
}

}  // namespace

bool BestTable::Keeps(std::int64_t score) const {
  return games_.size() < kKept || score > games_.back().header.score;
}

std::optional<BestGame> BestTable::Add(BestGame game) {
  games_.insert(std::upper_bound(games_.begin(), games_.end(), game, Before), std::move(game));
  if (games_.size() <= kKept) return std::nullopt;
  BestGame left = std::move(games_.back());
  games_.pop_back();
  return left;
}

std::optional<std::int64_t> BestTable::Best() const {
  if (games_.empty()) return std::nullopt;
  return games_.front().header.score;
}

std::string FormatBestTable(const BestTable& table, const std::string& folder) {
  std::string text = "rank       score  date                 file\n";
  int rank = 0;
  for (const BestGame& game : table.Games()) {
    char line[80];
    std::snprintf(line, sizeof line, "%4d  %10lld  %s  ", ++rank,
                  static_cast<long long>(game.header.score), game.header.date.c_str());
    text.append(line).append(folder).append("/").append(game.file) += '\n';
  }
  return text;
}

}  // namespace ridgeline
