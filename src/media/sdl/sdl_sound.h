#pragma once

#include <SDL.h>

#include "media/platform/sound_driver.h"

namespace ridgeline {

// The default SDL audio device, fed by the game's mixer from SDL's audio
// thread.
class SdlSound : public SoundDriver {
 public:
  ~SdlSound() override { Close(); }
  void Open(Mixer& mixer) override;
  void Close() override;
  void Lock() override;
  void Unlock() override;
  void SetVolume(int volume) override;
  void Pause(bool paused) override;

 private:
  static void Callback(void* mixer, Uint8* stream, int length);
  SDL_AudioDeviceID device_ = 0;
  Mixer* mixer_ = nullptr;
  int volume_ = 100;
};

}  // namespace ridgeline
