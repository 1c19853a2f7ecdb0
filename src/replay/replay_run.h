#pragma once

#include <memory>
#include <optional>
#include <string>

#include "replay/replay_file.h"
#include "replay/replay_proof.h"
#include "shell/input_source.h"

namespace ridgeline {

struct Platform;

// The replay file that `named` stands for: itself, or the file of the game
// of that rank in the table of the best. Nothing, with `error` set to one
// line, for a rank with no game.
std::optional<std::string> KeptReplayFile(const std::string& named, std::string& error);

// A kept game replayed: checked headless (--verify), where the run ends in
// the pass of the game over and must end the game there with the score the
// file states, or shown in a window (--watch), where the passes before the
// game run at full speed, then the game plays at the usual pace until Escape.
class ReplayRun {
 public:
  // Reads the replay that --verify or --watch names: a file, or a rank in
  // the table of the best. On failure returns nothing and sets `error` to
  // one line naming the file.
  static std::unique_ptr<ReplayRun> Prepare(const std::string& fileOrRank, bool watching,
                                            std::string& error);
  ReplayRun(const ReplayRun&) = delete;
  ReplayRun& operator=(const ReplayRun&) = delete;

  // Fixes the clock by the replay's seed, takes the input from it and, to
  // watch, makes `platform` pass over the passes before the game. The caller
  // unhooks the input and the end of a pass before this goes.
  void Attach(Platform& platform);
  // Checking, prints "verified: SCORE" when the game ended as the file
  // states; otherwise returns false with `error` saying what differs.
  bool Finish(std::string& error);
  // Watching, the first pass that is shown: the one in which the game began.
  long FirstShownPass() const { return watching_ ? replay_.header.began : 0; }

 private:
  ReplayRun(std::string file, Replay replay, bool watching);

  std::string file_;
  bool watching_;
  Replay replay_;                       // watching
  std::unique_ptr<InputSource> input_;  // watching
  std::unique_ptr<ReplayProof> check_;  // checking
};

}  // namespace ridgeline
