#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "replay/game_tracker.h"
#include "replay/replay_file.h"
#include "replay/script_input.h"

namespace ridgeline {

// The proof that a kept game's replay gives its score: the game is played
// from the replay's seed and input, the run ends in the pass where the file
// says the game ended, and the game must end there with the stated score.
// --verify and the score board both check a replay through it.
class ReplayProof {
 public:
  explicit ReplayProof(Replay replay);
  ReplayProof(const ReplayProof&) = delete;
  ReplayProof& operator=(const ReplayProof&) = delete;
  ~ReplayProof();

  // Fixes the clock by the replay's seed, starts the generator afresh, takes
  // the game's input from the replay and ends the run after its game-over
  // pass. `eachPass`, when given, also sees the end of every pass.
  void Attach(std::function<void(long pass)> eachPass = {});
  // How the game played differs from what the file says; nothing when the
  // replay proves its score.
  std::optional<std::string> Difference() const;
  const ReplayHeader& Claim() const { return claim_; }

 private:
  ReplayHeader claim_;
  std::uint64_t seed_;
  ScriptInput input_;
  GameTracker tracker_;
  std::optional<GameResult> lastEnded_;
};

}  // namespace ridgeline
