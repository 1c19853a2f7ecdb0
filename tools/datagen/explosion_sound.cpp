// The explosion: noise whose clock falls from a hiss to a rumble, over a
// triangle thump sweeping down two octaves. It fades out completely before
// the end, so the last samples are silent.
#include "audio.h"

namespace datagen {

std::vector<std::int16_t> SynthesizeExplosion() {
  constexpr int kLength = Millis(550);
  constexpr Instrument kBlast{Wave::Noise, 20000,       Millis(2), Millis(120), Millis(380), 12000,
                              30,          Millis(450), 0};
  constexpr Instrument kThump{Wave::Triangle, 24000, Millis(2), Millis(250), Millis(100), 0, 24,
                              Millis(260),    0};
  MixBuffer mix(static_cast<std::size_t>(kLength), 0);
  AddNote(mix, {&kBlast, 100, 0, Millis(150)});
  AddNote(mix, {&kThump, 28, 0, kThump.attack + kThump.decay});
  return Normalize(mix, 30000);
}

}  // namespace datagen
