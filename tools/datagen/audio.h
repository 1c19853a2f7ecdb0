// The game's two sounds, as 16-bit mono samples at kSampleRate.
#pragma once

#include <cstdint>
#include <vector>

#include "score.h"
#include "synth.h"

namespace datagen {

// The score played once through by the chiptune voices. The game loops it:
// notes still sounding at the end carry on at the beginning, so the last
// sample leads into the first as smoothly as any two neighbours.
std::vector<std::int16_t> SynthesizeMusic(const std::vector<ScoreNote>& score);

// Half a second of explosion: a burst of noise falling in pitch over a deep thump.
std::vector<std::int16_t> SynthesizeExplosion();

// First sample of sixteenth `step` of the score. A sixteenth at 140 beats a
// minute lasts 2362.5 samples, so starts are rounded down and the whole tune
// is an exact number of samples.
constexpr int StepToSample(int step) {
  return static_cast<int>(std::int64_t{step} * kSampleRate * 60 / (kTempo * kStepsPerBeat));
}

}  // namespace datagen
