#include "synth.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "fixed_math.h"

namespace datagen {
namespace {

constexpr std::int64_t kUnit = 32768;  // 1.0 in the Q15 numbers used here

// Phase steps of a 32-bit accumulator for the octave of MIDI notes 72..83
// (C5..B5) at the sample rate: 2^32 * f / kSampleRate.
constexpr std::array<std::uint32_t, 12> kOctaveSteps{
    101920476, 107980983, 114401866, 121204555, 128411753, 136047513,
    144137319, 152708170, 161788671, 171409126, 181601643, 192400238,
};

std::uint32_t PhaseStep(int pitch) {
  const int octave = pitch / 12 - 6;
  const std::uint64_t step = kOctaveSteps[static_cast<std::size_t>(pitch % 12)];
  return static_cast<std::uint32_t>(octave >= 0 ? step << octave : step >> -octave);
}

// Band-limiting correction for a step in a pulse wave (polyBLEP): removes most
// of the aliasing a naive pulse has at this sample rate. Both numbers are
// fractions of a cycle in 2^32ths; the result is in Q15.
std::int64_t Blep(std::uint32_t t, std::uint32_t dt) {
  if (t < dt) {
    const std::int64_t x = (std::int64_t{t} << 15) / dt;
    return 2 * x - x * x / kUnit - kUnit;
  }
  if (t > ~dt) {
    const std::int64_t x = -((std::int64_t{~t} + 1) << 15) / dt;
    return x * x / kUnit + 2 * x + kUnit;
  }
  return 0;
}

class Oscillator {
 public:
  explicit Oscillator(Wave wave) : wave_(wave) {}

  // Next sample in Q15 for a phase step of `step`.
  std::int64_t Next(std::uint32_t step) {
    const std::uint32_t t = phase_;
    phase_ += step;
    switch (wave_) {
      case Wave::Pulse12:
        return Pulse(t, step, 0x20000000u);
      case Wave::Pulse25:
        return Pulse(t, step, 0x40000000u);
      case Wave::Pulse50:
        return Pulse(t, step, 0x80000000u);
      case Wave::Triangle: {
        const std::int64_t ramp = t >> 16;  // 0..65535 over the cycle
        return (ramp < 32768 ? ramp * 2 : (65535 - ramp) * 2) - kUnit;
      }
      case Wave::Noise:
      case Wave::MetalNoise:
        // A 15-bit shift register clocked once per cycle, like the noise
        // channel of the old consoles; the short tap gives a metallic buzz.
        if (phase_ < t) {
          const int tap = wave_ == Wave::Noise ? 1 : 6;
          const std::uint32_t bit = (lfsr_ ^ (lfsr_ >> tap)) & 1u;
          lfsr_ = (lfsr_ >> 1) | (bit << 14);
        }
        return (lfsr_ & 1u) ? kUnit - 1 : -kUnit;
    }
    return 0;
  }

 private:
  // A pulse that is high for `duty` of the cycle, shifted to average zero as
  // a console's output stage would.
  static std::int64_t Pulse(std::uint32_t t, std::uint32_t dt, std::uint32_t duty) {
    const std::int64_t naive = t < duty ? kUnit - 1 : -kUnit;
    const std::int64_t centre = kUnit - ((std::int64_t{duty} * kUnit) >> 31);
    return naive + centre + Blep(t, dt) - Blep(t - duty, dt);
  }

  Wave wave_;
  std::uint32_t phase_ = 0;
  std::uint32_t lfsr_ = 1;
};

// Envelope level, 0..kUnit, at sample `i` of a note held for `gate` samples.
std::int64_t Envelope(const Instrument& in, int i, int gate) {
  std::int64_t level;
  const int held = std::min(i, gate);
  if (held < in.attack) {
    level = kUnit * held / in.attack;
  } else if (held < in.attack + in.decay) {
    level = kUnit - (kUnit - in.sustain) * (held - in.attack) / in.decay;
  } else {
    level = in.sustain;
  }
  if (i >= gate) level = level * (in.release - (i - gate)) / in.release;
  return level;
}

}  // namespace

void AddNote(std::span<std::int32_t> mix, const Note& note) {
  const Instrument& in = *note.instrument;
  const int length = note.gate + in.release;
  const std::uint32_t base = PhaseStep(note.pitch);
  // Pitch sweep: start `sweep` semitones up and glide down to the note.
  const std::uint32_t top = PhaseStep(note.pitch + in.sweep);
  const int vibrato_delay = Millis(160);
  Oscillator osc(in.wave);
  for (int i = 0; i < length; ++i) {
    std::int64_t step = base;
    if (in.sweep && i < in.sweep_time) {
      step = top - (std::int64_t{top} - base) * i / in.sweep_time;
    }
    if (in.vibrato && i > vibrato_delay) {
      // 5.5 Hz wobble; one cent is close to 1/1731 of the frequency.
      const int angle =
          static_cast<int>(std::int64_t{i - vibrato_delay} * 11 * kTurn / (2 * kSampleRate));
      step += step * in.vibrato * Sin(angle) / (1731LL * kOne);
    }
    const std::int64_t sample = osc.Next(static_cast<std::uint32_t>(step));
    const std::int64_t level = Envelope(in, i, note.gate) * in.volume / kUnit;
    const std::size_t at = static_cast<std::size_t>(note.start + i) % mix.size();
    mix[at] += static_cast<std::int32_t>(sample * level / kUnit);
  }
}

std::vector<std::int16_t> Normalize(std::span<const std::int32_t> mix, int peak) {
  std::int64_t loudest = 1;
  for (const std::int32_t s : mix) loudest = std::max<std::int64_t>(loudest, std::abs(s));
  std::vector<std::int16_t> out;
  out.reserve(mix.size());
  for (const std::int32_t s : mix)
    out.push_back(static_cast<std::int16_t>(std::int64_t{s} * peak / loudest));
  return out;
}

}  // namespace datagen
