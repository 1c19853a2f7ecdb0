#include "replay/replay_run.h"

#include <algorithm>
#include <cstdio>

#include "common/whole_number.h"
#include "game/random.h"
#include "media/platform/platform.h"
#include "replay/best_folder.h"
#include "replay/fast_forward.h"
#include "replay/replay_proof.h"
#include "replay/script_file.h"
#include "replay/script_input.h"
#include "shell/events.h"
#include "shell/frame_loop.h"
#include "shell/input.h"

namespace ridgeline {

namespace {

// The replay's events for the game; of the window's own events, those that
// end a game (closing the window, a click, Escape) end the watching and the
// rest are dropped.
class WatchInput : public InputSource {
 public:
  explicit WatchInput(std::vector<ScriptEvent> events) : script_(std::move(events)) {}

  bool Next(EventPoint at, WindowEvent& event) override {
    WindowEvent own;
    while (CurrentPlatform().video->PollEvent(own)) {
      if (EndsTheGame(own)) {
        event = WindowEvent{WindowEvent::Kind::Close};
        return true;
      }
    }
    return script_.Next(at, event);
  }

 private:
  ScriptInput script_;
};

}  // namespace

std::optional<std::string> KeptReplayFile(const std::string& named, std::string& error) {
  const auto rank = WholeNumber<std::size_t>(named);
  if (!rank) return named;
  const std::string folder = BestFolder();
  const LoadedBest loaded = LoadBest(folder);
  const auto& games = loaded.table.Games();
  if (*rank < 1 || *rank > games.size()) {
    error = "no game of rank " + named + " is kept (" + std::to_string(games.size()) + " in " +
            (folder.empty() ? "no folder" : folder) + ")";
    const auto unchecked = std::count_if(loaded.unranked.begin(), loaded.unranked.end(),
                                         [](const UnrankedGame& game) { return !game.failed; });
    if (unchecked > 0) {
      error += "; " + std::to_string(unchecked) +
               " files there have not been checked: ridgeline --scores checks them";
    }
    return std::nullopt;
  }
  return folder + "/" + games[*rank - 1].file;
}

ReplayRun::ReplayRun(std::string file, Replay replay, bool watching)
    : file_(std::move(file)), watching_(watching) {
  if (watching_) {
    replay_ = std::move(replay);
  } else {
    check_ = std::make_unique<ReplayProof>(std::move(replay));
  }
}

std::unique_ptr<ReplayRun> ReplayRun::Prepare(const std::string& fileOrRank, bool watching,
                                              std::string& error) {
  const auto file = KeptReplayFile(fileOrRank, error);
  if (!file) return nullptr;
  const auto text = ReadScriptFile(*file, error);
  if (!text) return nullptr;
  auto replay = ParseReplay(*text);
  if (const auto* refusal = std::get_if<std::string>(&replay)) {
    error = *file + ": not a replay (" + *refusal + ")";
    return nullptr;
  }
  return std::unique_ptr<ReplayRun>(
      new ReplayRun(*file, std::move(std::get<Replay>(replay)), watching));
}

void ReplayRun::Attach(Platform& platform) {
  if (watching_) {
    FixClock(*replay_.script.seed);
    ResetRandom();
    const ReplayHeader& header = replay_.header;
    input_ = std::make_unique<WatchInput>(std::move(replay_.script.events));
    FastForwardUntil(platform, header.began);
    platform.video->SetTitle("Ridgeline \u2014 a game of " + std::to_string(header.score) +
                             " (Escape ends)");
    SetInputSource(input_.get());
  } else {
    check_->Attach();
  }
}

bool ReplayRun::Finish(std::string& error) {
  if (watching_) return true;
  if (const auto difference = check_->Difference()) {
    if (error.empty()) error = file_ + ": " + *difference;
    return false;
  }
  std::printf("verified: %lld\n", static_cast<long long>(check_->Claim().score));
  return true;
}

}  // namespace ridgeline
