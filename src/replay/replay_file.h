#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "replay/script.h"

namespace ridgeline {

// A kept game's replay: the input script of the run that played it, from the
// start of the program up to the pass in which that game ended, under comment
// lines that say what the game made. Being comments, they leave the text a
// script that --input plays as it stands.
//
//   # ridgeline replay
//   # score 4300
//   # date 2025-06-01 12:30:05
//   # began 1402
//   # over 5873
//   seed 3318923
//   150.0 down 32
//   ...
//
// The text is everything: reading, writing and checking a replay touch no
// file, so that any front end can use them.

// The latest game over that a replay may state: a day of play at 60 passes a
// second. Checking a longer one would keep the machine busy for many minutes.
inline constexpr long kLongestRun = 24L * 60 * 60 * 60;

struct ReplayHeader {
  std::int64_t score = 0;
  std::string date;  // local time of the game over, "YYYY-MM-DD HH:MM:SS"
  long began = 0;    // the pass in which the game's play began (the key on the title)
  long over = 0;     // the pass in which the game ended

  bool operator==(const ReplayHeader&) const = default;
};

struct Replay {
  ReplayHeader header;
  Script script;
};

// The replay's text: the header, then `script` (which starts with its seed).
std::string FormatReplay(const ReplayHeader& header, std::string_view script);

// Reads a replay. When the text is not one, returns why, in a few words.
std::variant<Replay, std::string> ParseReplay(std::string_view text);

// What a run showed of one game: the passes in which its play began and in
// which it ended, and its score then.
struct GameResult {
  long began = 0;
  long over = 0;
  std::int64_t score = 0;
};

// How `played`, the last game that ended in a replay's run, differs from
// what the header claims: "score: ...", "pass: ...". Nothing when they agree.
std::optional<std::string> ReplayDifference(const ReplayHeader& claim,
                                            const std::optional<GameResult>& played);

}  // namespace ridgeline
