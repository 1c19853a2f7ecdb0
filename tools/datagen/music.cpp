// Plays the score with the chiptune voices: a quarter-pulse lead with
// vibrato, a thin pulse arpeggio, a triangle bass, and drums made of noise
// and a swept triangle.
#include <utility>

#include "audio.h"

namespace datagen {
namespace {

constexpr Instrument kLead{.wave = Wave::Pulse25,
                           .volume = 11000,
                           .attack = Millis(4),
                           .decay = Millis(140),
                           .release = Millis(50),
                           .sustain = 20000,
                           .vibrato = 18};
// The lead again, this much quieter and three sixteenths later: the old trick
// that gives a single pulse channel an echo.
constexpr int kEchoVolume = 3500;
constexpr int kEchoSteps = 3;
constexpr Instrument kArpeggio{.wave = Wave::Pulse12,
                               .volume = 3200,
                               .attack = Millis(2),
                               .decay = Millis(50),
                               .release = Millis(20),
                               .sustain = 9000};
constexpr Instrument kBass{.wave = Wave::Triangle,
                           .volume = 15000,
                           .attack = Millis(3),
                           .decay = Millis(1),
                           .release = Millis(25),
                           .sustain = 32767};
constexpr Instrument kKickThump{.wave = Wave::Triangle,
                                .volume = 17000,
                                .attack = Millis(1),
                                .decay = Millis(110),
                                .release = Millis(10),
                                .sweep = 24,
                                .sweep_time = Millis(70)};
constexpr Instrument kKickClick{.wave = Wave::Noise,
                                .volume = 4000,
                                .attack = Millis(1),
                                .decay = Millis(12),
                                .release = Millis(5)};
constexpr Instrument kSnareNoise{.wave = Wave::Noise,
                                 .volume = 8000,
                                 .attack = Millis(1),
                                 .decay = Millis(150),
                                 .release = Millis(10)};
constexpr Instrument kSnareBody{.wave = Wave::Triangle,
                                .volume = 8000,
                                .attack = Millis(1),
                                .decay = Millis(60),
                                .release = Millis(10),
                                .sweep = 12,
                                .sweep_time = Millis(30)};
constexpr Instrument kHat{.wave = Wave::MetalNoise,
                          .volume = 2800,
                          .attack = Millis(1),
                          .decay = Millis(35),
                          .release = Millis(5)};

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
      case Part::Lead: {
        // The bridge opens the lead's narrow pulse out to a full square.
        Instrument lead = kLead;
        if (n.step >= kBridgeStart && n.step < kBridgeEnd) lead.wave = Wave::Pulse50;
        Instrument echo = lead;
        echo.volume = kEchoVolume;
        AddNote(mix, {&lead, n.pitch, start, gate});
        AddNote(mix, {&echo, n.pitch, StepToSample(n.step + kEchoSteps), gate});
        break;
      }
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
