#include "replay/replay_proof.h"

#include "game/random.h"
#include "game/state.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

ReplayProof::ReplayProof(Replay replay)
    : claim_(replay.header), seed_(*replay.script.seed), input_(std::move(replay.script.events)) {}

ReplayProof::~ReplayProof() {
  SetInputSource(nullptr);
  SetPassEndHook(nullptr);
}

void ReplayProof::Attach(std::function<void(long pass)> eachPass) {
  FixClock(seed_);
  ResetRandom();
  SetInputSource(&input_);
  SetPassLimit(claim_.over + 1);
  SetPassEndHook([this, eachPass = std::move(eachPass)](long pass) {
    if (auto ended = tracker_.PassEnded(pass, Game.GameState, Game.Score)) lastEnded_ = ended;
    if (eachPass) eachPass(pass);
  });
}

std::optional<std::string> ReplayProof::Difference() const {
  return ReplayDifference(claim_, lastEnded_);
}

}  // namespace ridgeline
