#pragma once

#include <string>

namespace ridgeline {

// What a score board made of a replay sent to it.
struct BoardAnswer {
  bool taken = false;  // on the board now
  std::string line;    // its rank and score, or why it is not on the board
};

// Sends the replay `replay` to the board at `url` (http://host:port, or
// https://) under the player's name `name`, and waits for the board's
// answer. Only ever called when the player asks.
BoardAnswer SendToBoard(const std::string& url, const std::string& name, const std::string& replay);

}  // namespace ridgeline
