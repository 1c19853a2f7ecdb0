// The explosion: noise whose clock falls from a hiss to a rumble, over a
// triangle thump sweeping down two octaves. It fades out completely before
// the end, so the last samples are silent.
#include "audio.h"

namespace datagen {

std::vector<std::int16_t> SynthesizeExplosion() {
  constexpr int kLength = Millis(550);
  constexpr Instrument kBlast{.wave = Wave::Noise,
                              .volume = 20000,
                              .attack = Millis(2),
                              .decay = Millis(120),
                              .release = Millis(380),
                              .sustain = 12000,
                              .sweep = 30,
                              .sweep_time = Millis(450)};
  constexpr Instrument kThump{.wave = Wave::Triangle,
                              .volume = 24000,
                              .attack = Millis(2),
                              .decay = Millis(250),
                              .release = Millis(100),
                              .sweep = 24,
                              .sweep_time = Millis(260)};
  MixBuffer mix(static_cast<std::size_t>(kLength), 0);
  AddNote(mix, {&kBlast, 100, 0, Millis(150)});
  AddNote(mix, {&kThump, 28, 0, kThump.attack + kThump.decay});
  return Normalize(mix, 30000);
}

}  // namespace datagen
