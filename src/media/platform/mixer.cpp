#include "media/platform/mixer.h"

#include <algorithm>
#include <cmath>

namespace ridgeline {

namespace {

constexpr float kFullScale = 32767;

// Passes a sample (1: full scale) below the planned peak unchanged and bends
// one above it smoothly towards a ceiling one step below full scale: however
// far beyond the plan a sum goes, no sample lies on the rails.
float SoftLimit(float sample) {
  constexpr float kKnee = Mixer::kPlannedPeak;
  constexpr float kRoom = (kFullScale - 1) / kFullScale - kKnee;
  const float size = std::fabs(sample);
  if (size <= kKnee) return sample;
  return std::copysign(kKnee + kRoom * std::tanh((size - kKnee) / kRoom), sample);
}

}  // namespace

void Mixer::Remove(Voice* voice) {
  std::erase(voices_, voice);
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
  sum_.assign(frames * kChannels, 0.0f);
  Run(sum_.data(), frames);
  const float gain = kVoiceGain * volume_ / kFullScale;
  std::transform(sum_.begin(), sum_.end(), out, [gain](float sample) {
    return static_cast<std::int16_t>(std::lround(SoftLimit(sample * gain) * kFullScale));
  });
}

void Mixer::Advance(std::size_t frames) {
  Run(nullptr, frames);
}

void Mixer::Run(float* sum, std::size_t frames) {
  for (Voice* voice : voices_) {
    std::size_t done = 0;
    while (voice->playing && done < frames) {
      const std::size_t run = std::min(frames - done, voice->Frames() - voice->frame);
      if (sum) {
        const std::int16_t* from = &voice->samples[voice->frame * kChannels];
        std::transform(from, from + run * kChannels, sum + done * kChannels, sum + done * kChannels,
                       [](std::int16_t sample, float total) { return total + sample; });
      }
      done += run;
      voice->frame += run;
      if (voice->frame >= voice->Frames()) {
        // A looping voice goes on from its start with no gap; one played once
        // falls silent and starts from its beginning when played again.
        voice->frame = 0;
        voice->playing = voice->looping && voice->Frames() > 0;
      }
    }
  }
}

}  // namespace ridgeline
