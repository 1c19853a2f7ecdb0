#include "replay/best_games.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

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
  table_ = LoadBestTable(folder_);
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
  const auto bestBefore = table_.Best();
  if (const auto left = table_.Add(BestGame{header, *name})) {
    std::error_code ec;
    if (!std::filesystem::remove(folder_ + "/" + left->file, ec) && ec) {
      Warn(folder_ + "/" + left->file + ": no longer among the best, but cannot be removed (" +
           ec.message() + ")");
    }
  }
  if (table_.Best() != bestBefore) CurrentPlatform().video->SetTitle(Title());
  if (keptHook) keptHook();
}

void SetBestKeptHook(std::function<void()> hook) {
  keptHook = std::move(hook);
}

void PrintBestScores() {
  const std::string folder = BestFolder();
  const BestTable table = LoadBestTable(folder);
  if (folder.empty()) {
    std::puts("no best games: no folder for the player's data is known (HOME, XDG_DATA_HOME)");
  } else if (table.Games().empty()) {
    std::printf("no best games kept yet in %s\n", folder.c_str());
  } else {
    std::fputs(FormatBestTable(table, folder).c_str(), stdout);
  }
}

}  // namespace ridgeline
