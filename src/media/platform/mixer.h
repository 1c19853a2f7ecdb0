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
//
// The levels are planned so that the sum never clips: the game plays the
// music and explosions, and the plan leaves room for the music and three
// explosions at once, each of them at full scale: every voice is scaled by
// kVoiceGain, so that four together peak at kPlannedPeak of full scale. A
// soft limiter above that peak is the last guard, for more voices than
// planned: it bends the sum smoothly towards full scale, never onto it.
class Mixer {
 public:
  static constexpr int kRate = 48000;
  static constexpr int kChannels = 2;
  static constexpr int kPlannedVoices = 4;
  static constexpr float kPlannedPeak = 0.9f;
  static constexpr float kVoiceGain = kPlannedPeak / kPlannedVoices;

  void Add(Voice* voice) { voices_.push_back(voice); }
  void Remove(Voice* voice);

  // The output level, as a share (0 to 1) of the planned level.
  void SetVolume(float share) { volume_ = share; }

  // Fills `out` with `frames` stereo frames of the playing voices.
  void Mix(std::int16_t* out, std::size_t frames);
  // Moves every playing voice on by `frames` without making a sound.
  void Advance(std::size_t frames);

 private:
  // Moves the voices on, adding their samples to `sum` when it is given.
  void Run(float* sum, std::size_t frames);

  std::vector<Voice*> voices_;
  std::vector<float> sum_;  // the voices added up, in 16-bit sample units
  float volume_ = 1;
};

}  // namespace ridgeline
