#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "replay/replay_file.h"

namespace ridgeline {

// What one check may cost: the game-over pass it will play up to, and the
// processor time it may take (0: no cap).
struct VerifyLimits {
  long passes = kLongestRun;
  int cpuSeconds = 0;
};

struct Verdict {
  bool verified = false;
  ReplayHeader claim;  // the header read, when the text was a replay
  std::string reason;  // why it does not verify, in --verify's words
};

// Checks the replay `text` as --verify does, headless, inside this process,
// with the game's data from AppPath(). The game keeps its state in the
// program's globals: one check at a time in a process, and no other run of
// the game alongside.
Verdict VerifyReplayText(std::string_view text, const VerifyLimits& limits);

}  // namespace ridgeline
