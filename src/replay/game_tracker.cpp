#include "replay/game_tracker.h"

namespace ridgeline {

std::optional<GameResult> GameTracker::PassEnded(long pass, GameState state, std::int64_t score) {
  const GameState previous = previous_;
  previous_ = state;
  if (state == previous) return std::nullopt;
  if (state == GameState::Play) began_ = pass;
  if (state != GameState::GameOver) return std::nullopt;
  return GameResult{began_, pass, score};
}

}  // namespace ridgeline
