#pragma once

#include "media/platform/mixer.h"
#include "media/platform/sound_driver.h"

namespace ridgeline {

// The sound driver with no device: the sound follows the frames, not the
// clock. Each frame shown moves every playing buffer on by exactly 1/60 s.
// It also stands in for the device when the player plays without sound.
class HeadlessSound : public SoundDriver {
 public:
  static constexpr int kFramesPerShownFrame = Mixer::kRate / 60;
  static_assert(Mixer::kRate % 60 == 0, "a shown frame must be a whole number of sound frames");

  void Open(Mixer& mixer) override { mixer_ = &mixer; }
  void Close() override { mixer_ = nullptr; }
  void Lock() override {}
  void Unlock() override {}
  void SetVolume(int /*volume*/) override {}
  // No frame is shown during a pause, so the sounds already wait.
  void Pause(bool /*paused*/) override {}

  // Moves the sound on by one frame shown.
  void FrameShown();

 private:
  Mixer* mixer_ = nullptr;
};

}  // namespace ridgeline
