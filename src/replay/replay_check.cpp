#include "replay/replay_check.h"

#include "game/random.h"
#include "game/state.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

ReplayCheck::ReplayCheck(Replay replay)
    : claim_(replay.header), seed_(*replay.script.seed), input_(std::move(replay.script.events)) {}

ReplayCheck::~ReplayCheck() {
  SetInputSource(nullptr);
  SetPassEndHook(nullptr);
}

void ReplayCheck::Attach(std::function<void(long pass)> eachPass) {
  FixClock(seed_);
  ResetRandom();
  SetInputSource(&input_);
  SetPassLimit(claim_.over + 1);
  SetPassEndHook([this, eachPass = std::move(eachPass)](long pass) {
    if (auto ended = tracker_.PassEnded(pass, Game.GameState, Game.Score)) lastEnded_ = ended;
    if (eachPass) eachPass(pass);
  });
}

std::optional<std::string> ReplayCheck::Difference() const {
  return ReplayDifference(claim_, lastEnded_);
}

}  // namespace ridgeline
