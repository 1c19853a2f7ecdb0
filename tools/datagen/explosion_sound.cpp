// The explosion: noise whose clock falls from a hiss to a rumble, over a
// triangle thump sweeping down two octaves. It fades out completely before
// the end, so the last samples are silent.
#include "audio.h"

namespace datagen {

std::vector<std::int16_t> synthesize_explosion() {
  constexpr int kLength = ms(550);
  constexpr Instrument kBlast{Wave::Noise, 20000, ms(2), ms(120), ms(380), 12000, 30, ms(450), 0};
  constexpr Instrument kThump{Wave::Triangle, 24000, ms(2), ms(250), ms(100), 0, 24, ms(260), 0};
  MixBuffer mix(static_cast<std::size_t>(kLength), 0);
  add_note(mix, {&kBlast, 100, 0, ms(150)});
  add_note(mix, {&kThump, 28, 0, kThump.attack + kThump.decay});
  return normalize(mix, 30000);
}

}  // namespace datagen
