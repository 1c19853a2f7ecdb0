#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ridgeline {

// One sound that the mixer can play: interleaved stereo 16-bit samples at
// Mixer::kRate, and where it has got to.
struct Voice {
  std::vector<std::int16_t> samples;
  std::size_t frame = 0;
  bool playing = false;
  bool looping = false;

  std::size_t Frames() const { return samples.size() / 2; }
};

// Adds the playing voices together for the sound output. The caller holds the
// sound driver's lock around every call, since the device mixes on its own
// thread.
class Mixer {
 public:
  static constexpr int kRate = 48000;
  static constexpr int kChannels = 2;

  void Add(Voice* voice) { voices_.push_back(voice); }
  void Remove(Voice* voice);

  // Fills `out` with `frames` stereo frames of the playing voices.
  void Mix(std::int16_t* out, std::size_t frames);
  // Moves every playing voice on by `frames` without making a sound.
  void Advance(std::size_t frames);

 private:
  // Moves the voices on, adding their samples to `out` when it is given.
  void Run(std::int16_t* out, std::size_t frames);

  std::vector<Voice*> voices_;
};

}  // namespace ridgeline
