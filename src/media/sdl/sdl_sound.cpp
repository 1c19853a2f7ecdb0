#include "media/sdl/sdl_sound.h"

#include <cstdint>
#include <string>

#include "common/run_time_error.h"
#include "media/platform/mixer.h"

namespace ridgeline {

void SdlSound::Open(Mixer& mixer) {
  auto fail = [] {
    return RunTimeError(std::string("no sound device (") + SDL_GetError() +
                        "); --mute plays without sound");
  };
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) throw fail();
  mixer_ = &mixer;
  SetVolume(volume_);
  SDL_AudioSpec want{};
  want.freq = Mixer::kRate;
  want.format = AUDIO_S16SYS;
  want.channels = Mixer::kChannels;
  want.samples = 1024;
  want.callback = &SdlSound::Callback;
  want.userdata = &mixer;
  // No changes allowed: SDL converts to whatever the hardware takes, so the
  // mixer always works in its own format.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device_ == 0) throw fail();
  SDL_PauseAudioDevice(device_, 0);
}

void SdlSound::Close() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  device_ = 0;
  mixer_ = nullptr;
}

void SdlSound::SetVolume(int volume) {
  volume_ = volume;
  if (!mixer_) return;
  Lock();
  mixer_->SetVolume(static_cast<float>(volume) / 100);
  Unlock();
}

void SdlSound::Pause(bool paused) {
  if (device_ != 0) SDL_PauseAudioDevice(device_, paused ? 1 : 0);
}

void SdlSound::Lock() {
  if (device_ != 0) SDL_LockAudioDevice(device_);
}

void SdlSound::Unlock() {
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

void SdlSound::Callback(void* mixer, Uint8* stream, int length) {
  const auto frames = static_cast<std::size_t>(length) / (Mixer::kChannels * sizeof(std::int16_t));
  static_cast<Mixer*>(mixer)->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace ridgeline
