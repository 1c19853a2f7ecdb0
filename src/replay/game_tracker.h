#pragma once

#include <cstdint>
#include <optional>

#include "game/state.h"
#include "replay/replay_file.h"

namespace ridgeline {

// Follows the games of a run from the state at the end of every pass: a game's
// play begins in the pass that leaves the title, and the game ends in the
// pass in which the state turns to game over (the score is final then).
class GameTracker {
 public:
  // Returns the game that ended in pass `pass`, if one did.
  std::optional<GameResult> PassEnded(long pass, GameState state, std::int64_t score);

 private:
  GameState previous_ = GameState::Splash;
  long began_ = 0;
};

}  // namespace ridgeline
