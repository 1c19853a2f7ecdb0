#pragma once

#include <optional>
#include <string>

#include "game/state.h"

namespace ridgeline {

// The bounds that the game's rules keep its variables within, whatever the
// input: the soak run checks them after every pass. Returns the first one that
// `game` breaks, in words with the values found; nothing when all hold.
std::optional<std::string> BrokenInvariant(const GameVariables& game);

}  // namespace ridgeline
