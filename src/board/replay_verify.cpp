#include "board/replay_verify.h"

#include <variant>

#include "app/process_usage.h"
#include "common/exit_status.h"
#include "game/state.h"
#include "media/directx/media.h"
#include "media/headless/headless_platform.h"
#include "replay/replay_proof.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

namespace ridgeline {

namespace {

// Passes between two looks at the processor time: a look costs a system call.
constexpr long kPassesPerTimeCheck = 64;

}  // namespace

Verdict VerifyReplayText(std::string_view text, const VerifyLimits& limits) {
  Verdict verdict;
  auto parsed = ParseReplay(text);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    verdict.reason = "not a replay (" + *refusal + ")";
    return verdict;
  }
  Replay& replay = std::get<Replay>(parsed);
  verdict.claim = replay.header;
  if (replay.header.over >= limits.passes) {
    verdict.reason = "the game is over in pass " + std::to_string(replay.header.over) +
                     ", later than the " + std::to_string(limits.passes) + " passes checked here";
    return verdict;
  }

  SetPlatform(MakeHeadlessPlatform().platform);
  Game = GameVariables{};
  const double started = ThreadCpuSeconds();
  bool tooLong = false;
  int status = 0;
  {
    ReplayProof check(std::move(replay));
    check.Attach([&](long pass) {
      if (limits.cpuSeconds <= 0 || pass % kPassesPerTimeCheck != 0) return;
      if (ThreadCpuSeconds() - started > limits.cpuSeconds) {
        tooLong = true;
        ShutDownWithStatus(kFailureStatus);
      }
    });
    try {
      StartGame();
    } catch (const ProgramExit& exit) {
      status = exit.status;
    }
    if (tooLong) {
      verdict.reason =
          "the check took more than " + std::to_string(limits.cpuSeconds) + " s of processor time";
    } else if (status != 0) {
      verdict.reason = "the game failed while replaying it";
    } else if (auto difference = check.Difference()) {
      verdict.reason = std::move(*difference);
    } else {
      verdict.verified = true;
    }
  }
  ReleaseMedia();
  return verdict;
}

}  // namespace ridgeline
