// Plays the score with the chiptune voices: a quarter-pulse lead with
// vibrato, a thin pulse arpeggio, a triangle bass, and drums made of noise
// and a swept triangle.
#include <utility>

#include "audio.h"

namespace datagen {
namespace {

constexpr Instrument kLead{Wave::Pulse25, 11000, Millis(4), Millis(140), Millis(50),
                           20000,         0,     0,         18};
constexpr Instrument kArpeggio{Wave::Pulse12, 3200, Millis(2), Millis(50), Millis(20),
                               9000,          0,    0,         0};
constexpr Instrument kBass{Wave::Triangle, 15000, Millis(3), Millis(1), Millis(25), 32767, 0, 0, 0};
constexpr Instrument kKickThump{Wave::Triangle, 17000, Millis(1), Millis(110), Millis(10), 0, 24,
                                Millis(70),     0};
constexpr Instrument kKickClick{Wave::Noise, 4000, Millis(1), Millis(12), Millis(5), 0, 0, 0, 0};
constexpr Instrument kSnareNoise{Wave::Noise, 8000, Millis(1), Millis(150), Millis(10), 0, 0, 0, 0};
constexpr Instrument kSnareBody{Wave::Triangle, 8000, Millis(1), Millis(60), Millis(10), 0, 12,
                                Millis(30),     0};
constexpr Instrument kHat{Wave::MetalNoise, 2800, Millis(1), Millis(35), Millis(5), 0, 0, 0, 0};

// Held share of a note's written length, so that repeated notes separate.
constexpr std::pair<int, int> GateShare(Part part) {
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
std::vector<std::pair<const Instrument*, int>> DrumVoices(int drum) {
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

std::vector<std::int16_t> SynthesizeMusic(const std::vector<ScoreNote>& score) {
  MixBuffer mix(static_cast<std::size_t>(StepToSample(kSteps)), 0);
  for (const ScoreNote& n : score) {
    const int start = StepToSample(n.step);
    const int length = StepToSample(n.step + n.length) - start;
    const auto [num, den] = GateShare(n.part);
    const int gate = length * num / den;
    switch (n.part) {
      case Part::Lead:
        AddNote(mix, {&kLead, n.pitch, start, gate});
        break;
      case Part::Arpeggio:
        AddNote(mix, {&kArpeggio, n.pitch, start, gate});
        break;
      case Part::Bass:
        AddNote(mix, {&kBass, n.pitch, start, gate});
        break;
      case Part::Drums:
        for (const auto& [instrument, pitch] : DrumVoices(n.pitch)) {
          AddNote(mix, {instrument, pitch, start, instrument->attack + instrument->decay});
        }
        break;
    }
  }
  return Normalize(mix, 26000);
}

}  // namespace datagen
