#pragma once

#include <optional>
#include <string>

#include "app/board_client.h"
#include "app/options.h"

namespace ridgeline {

// A kept game sent to a score board, and the exit status it makes.
struct SentGame {
  BoardAnswer answer;
  int status = 0;  // 0 when the board took it
};

// Sends the kept game `fileOrRank` to the score board kept in the settings
// (or `board`) under the player's name (kept, or `name`; both given are kept
// for the next time), and waits for the board's answer.
SentGame SendKeptGame(const std::string& fileOrRank, const std::optional<std::string>& board,
                      const std::optional<std::string>& name);

// --submit: SendKeptGame, printing its rank there, or saying why it was
// refused. Returns the exit status.
int SubmitKeptGame(const Options& options);

}  // namespace ridgeline
