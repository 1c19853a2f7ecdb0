#pragma once

#include "app/options.h"

namespace ridgeline {

// --submit: sends a kept game to the score board kept in the settings (or
// given with --board) under the player's name (kept, or --name; both given
// are kept for the next time) and prints its rank there, or says why it was
// refused. Returns the exit status: 0 when the board took it.
int SubmitKeptGame(const Options& options);

}  // namespace ridgeline
