// Plays the score with the chiptune voices: a quarter-pulse lead with
// vibrato, a thin pulse arpeggio, a triangle bass, and drums made of noise
// and a swept triangle.
#include <utility>

#include "audio.h"

namespace datagen {
namespace {

constexpr Instrument kLead{Wave::Pulse25, 11000, ms(4), ms(140), ms(50), 20000, 0, 0, 18};
constexpr Instrument kArpeggio{Wave::Pulse12, 3200, ms(2), ms(50), ms(20), 9000, 0, 0, 0};
constexpr Instrument kBass{Wave::Triangle, 15000, ms(3), ms(1), ms(25), 32767, 0, 0, 0};
constexpr Instrument kKickThump{Wave::Triangle, 17000, ms(1), ms(110), ms(10), 0, 24, ms(70), 0};
constexpr Instrument kKickClick{Wave::Noise, 4000, ms(1), ms(12), ms(5), 0, 0, 0, 0};
constexpr Instrument kSnareNoise{Wave::Noise, 8000, ms(1), ms(150), ms(10), 0, 0, 0, 0};
constexpr Instrument kSnareBody{Wave::Triangle, 8000, ms(1), ms(60), ms(10), 0, 12, ms(30), 0};
constexpr Instrument kHat{Wave::MetalNoise, 2800, ms(1), ms(35), ms(5), 0, 0, 0, 0};

// Held share of a note's written length, so that repeated notes separate.
constexpr std::pair<int, int> gate_share(Part part) {
  switch (part) {
    case Part::Lead:
      return {7, 8};
    case Part::Bass:
      return {3, 4};
    default:
      return {1, 2};
  }
}

// The synth notes that sound one drum hit: the instrument and the pitch that
// sets its tone (for noise, how fast the noise is clocked).
std::vector<std::pair<const Instrument*, int>> drum_voices(int drum) {
  switch (drum) {
    case kKick:
      return {{&kKickThump, 36}, {&kKickClick, 110}};
    case kSnare:
      return {{&kSnareNoise, 126}, {&kSnareBody, 55}};
    default:
      return {{&kHat, 134}};
  }
}

}  // namespace

std::vector<std::int16_t> synthesize_music(const std::vector<ScoreNote>& score) {
  MixBuffer mix(static_cast<std::size_t>(step_to_sample(kSteps)), 0);
  for (const ScoreNote& n : score) {
    const int start = step_to_sample(n.step);
    const int length = step_to_sample(n.step + n.length) - start;
    const auto [num, den] = gate_share(n.part);
    const int gate = length * num / den;
    switch (n.part) {
      case Part::Lead:
        add_note(mix, {&kLead, n.pitch, start, gate});
        break;
      case Part::Arpeggio:
        add_note(mix, {&kArpeggio, n.pitch, start, gate});
        break;
      case Part::Bass:
        add_note(mix, {&kBass, n.pitch, start, gate});
        break;
      case Part::Drums:
        for (const auto& [instrument, pitch] : drum_voices(n.pitch)) {
          add_note(mix, {instrument, pitch, start, instrument->attack + instrument->decay});
        }
        break;
    }
  }
  return normalize(mix, 26000);
}

}  // namespace datagen
