// A small chiptune synthesizer: pulse, triangle and noise voices shaped by
// envelopes, mixed into a buffer in whole-number arithmetic.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace datagen {

constexpr int kSampleRate = 22050;

// Samples of a mix, with headroom above the 16-bit range.
using MixBuffer = std::vector<std::int32_t>;

enum class Wave {
  Pulse12,     // narrow pulse, thin and nasal
  Pulse25,     // quarter pulse, the classic lead
  Pulse50,     // square
  Triangle,    // soft, for bass and drum thumps
  Noise,       // long noise, for snares and explosions
  MetalNoise,  // short-period noise, for hi-hats
};

struct Instrument {
  Wave wave;
  int volume;                  // peak level, 0..32767
  int attack, decay, release;  // envelope times, in samples
  int sustain = 0;             // level held after the decay, 0..32767 of the peak
  int sweep = 0;               // semitones the pitch starts above the note and falls by
  int sweep_time = 0;          // samples over which the pitch falls
  int vibrato = 0;             // vibrato depth in cents, after a short delay
};

struct Note {
  const Instrument* instrument;
  int pitch;  // MIDI note number
  int start;  // first sample
  int gate;   // samples the note is held before its release begins
};

// Milliseconds in samples.
constexpr int Millis(int milliseconds) {
  return milliseconds * kSampleRate / 1000;
}

// Adds `note` to the mix. A note that runs past the end of the buffer goes on
// at its beginning, so a buffer played in a loop sounds seamless.
void AddNote(std::span<std::int32_t> mix, const Note& note);

// Scales the mix so its loudest sample reaches `peak` and converts it to
// 16-bit samples.
std::vector<std::int16_t> Normalize(std::span<const std::int32_t> mix, int peak);

}  // namespace datagen
