#include "media/mixer.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ridgeline {

void Mixer::Remove(Voice* voice) {
  std::erase(voices_, voice);
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
  std::memset(out, 0, frames * kChannels * sizeof(std::int16_t));
  Run(out, frames);
}

void Mixer::Advance(std::size_t frames) {
  Run(nullptr, frames);
}

void Mixer::Run(std::int16_t* out, std::size_t frames) {
  for (Voice* voice : voices_) {
    std::size_t done = 0;
    while (voice->playing && done < frames) {
      const std::size_t run = std::min(frames - done, voice->Frames() - voice->frame);
      if (out) {
        const std::int16_t* from = &voice->samples[voice->frame * kChannels];
        std::int16_t* to = out + done * kChannels;
        for (std::size_t i = 0; i < run * kChannels; ++i) {
          to[i] = static_cast<std::int16_t>(std::clamp(to[i] + from[i], -32768, 32767));
        }
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
