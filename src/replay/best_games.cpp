#include "replay/best_games.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "common/path_text.h"
#include "common/warning.h"
#include "game/state.h"
#include "media/platform/platform.h"
#include "replay/best_folder.h"
#include "replay/script_file.h"

namespace ridgeline {

namespace {

std::function<void()> keptHook;

std::string LocalDateNow() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
  return text;
}

}  // namespace

BestGames::BestGames(InputSource& from, std::uint64_t seed, std::string folder)
    : recorder_(from, seed), folder_(std::move(folder)) {
  if (folder_.empty()) {
    Warn(
        "no folder for the player's data is known (HOME, XDG_DATA_HOME): no best game will be "
        "kept");
    return;
  }
  LoadedBest loaded = LoadBest(folder_);
  table_ = std::move(loaded.table);
  index_ = std::move(loaded.index);
  const auto unchecked = std::count_if(loaded.unranked.begin(), loaded.unranked.end(),
                                       [](const UnrankedGame& game) { return !game.failed; });
  if (unchecked > 0) {
    Warn(std::to_string(unchecked) + " files in " + folder_ +
         " have not been checked and do not rank: ridgeline --scores checks them");
  }
}

std::string BestGames::Title() const {
  const auto best = table_.Best();
  return best ? "Ridgeline \u2014 best " + std::to_string(*best) : "Ridgeline";
}

void BestGames::PassEnded(long pass) {
  if (const auto ended = tracker_.PassEnded(pass, Game.GameState, Game.Score)) Keep(*ended);
}

void BestGames::Keep(const GameResult& game) {
  if (folder_.empty() || !table_.Keeps(game.score)) return;
  const ReplayHeader header{game.score, LocalDateNow(), game.began, game.over};
  const std::string replay = FormatReplay(header, recorder_.Script());
  if (replay.size() > kLargestScript || game.over > kLongestRun) {
    Warn("the game of " + std::to_string(game.score) +
         " ends after more than a day of play, or its replay is larger than " +
         std::to_string(kLargestScript >> 20) + " MB: it is not kept");
    return;
  }
  std::string error;
  const auto name = SaveReplay(folder_, header, replay, error);
  if (!name) {
    Warn(error + "; the game is not kept");
    return;
  }
  // Played here, it is verified by having been played.
  index_.Record(replay, *name, BestIndex::Verdict::Verified);
  const auto bestBefore = table_.Best();
  if (const auto left = table_.Add(BestGame{header, *name})) {
    std::error_code ec;
    if (!std::filesystem::remove(PathFromUtf8(folder_ + "/" + left->file), ec) && ec) {
      Warn(folder_ + "/" + left->file + ": no longer among the best, but cannot be removed (" +
           ec.message() + ")");
    }
    index_.Forget(left->file);
  }
  if (const auto why = index_.Write(folder_)) {
    Warn(folder_ + "/" + std::string(BestIndex::kFileName) + ": cannot be written (" + *why +
         "); --scores will replay the game again");
  }
  if (table_.Best() != bestBefore) CurrentPlatform().video->SetTitle(Title());
  if (keptHook) keptHook();
}

void SetBestKeptHook(std::function<void()> hook) {
  keptHook = std::move(hook);
}

void PrintBestScores(const ReplayCheck& check) {
  const std::string folder = BestFolder();
  const LoadedBest loaded = LoadBest(folder, check);
  if (folder.empty()) {
    std::puts("no best games: no folder for the player's data is known (HOME, XDG_DATA_HOME)");
    return;
  }
  if (loaded.table.Games().empty()) {
    std::printf("no best games kept yet in %s\n", folder.c_str());
  } else {
    std::fputs(FormatBestTable(loaded.table, folder).c_str(), stdout);
  }
  for (const UnrankedGame& game : loaded.unranked) {
    std::printf("unverified: %s/%s (%s)\n", folder.c_str(), game.file.c_str(),
                game.failed ? "its replay does not end as it says" : "not replayed");
  }
}

}  // namespace ridgeline
