#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/replay_verify.h"

namespace ridgeline {

// What the board's command line asks for.
struct BoardOptions {
  std::string database = "board.sqlite";  // an SQLite file, or a postgresql:// URI
  std::string host = "127.0.0.1";
  int port = 8080;       // 0: any free port, printed when listening
  std::string web;       // the browser build's folder, served at /play/
  unsigned workers = 0;  // 0: one per core
  unsigned queue = 0;    // submissions waiting at most; 0: four per worker
  int ratePerMinute = 30;
  VerifyLimits limits{2 * 60 * 60 * 60, 60};  // two hours of play, a minute of processor time
  bool help = false;
};

// Reads the command line; on a mistake returns nothing with `error` set to one line.
std::optional<BoardOptions> ParseBoardOptions(const std::vector<std::string>& args,
                                              std::string& error);

std::string BoardUsage();

}  // namespace ridgeline
