#pragma once

#include <cstdint>

namespace ridgeline {

class Mixer;

// The sound output as one driver per platform: an SDL audio device for play,
// headless for tests and scripted runs.
class SoundDriver {
 public:
  virtual ~SoundDriver() = default;

  // Opens the default output device and feeds it from `mixer`, which mixes
  // at Mixer::kRate in stereo; throws RunTimeError when there is no device.
  virtual void Open(Mixer& mixer) = 0;
  // Stops feeding from the mixer, which is about to go away.
  virtual void Close() = 0;

  // Keeps the device from mixing while the game changes what plays.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;

  // The output level, 0 to 100 of the planned level (0: silent). What plays,
  // and when, never depends on it.
  virtual void SetVolume(int volume) = 0;
  // Holds the output while the game is paused (the sounds wait where they
  // are), and lets it go on.
  virtual void Pause(bool paused) = 0;
};

}  // namespace ridgeline
