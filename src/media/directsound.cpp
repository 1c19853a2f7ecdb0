#include "media/directsound.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "common/run_time_error.h"
#include "media/platform.h"

namespace {

// Holds the sound driver's lock for one change to what plays.
class DriverLock {
 public:
  explicit DriverLock(SoundDriver& driver) : driver_(driver) { driver_.Lock(); }
  ~DriverLock() { driver_.Unlock(); }
  DriverLock(const DriverLock&) = delete;
  DriverLock& operator=(const DriverLock&) = delete;

 private:
  SoundDriver& driver_;
};

Voice LoadVoice(const std::string& path) {
  auto fail = [&path](const std::string& why) {
    return RunTimeError("cannot load wave " + path + ": " + why);
  };
  SDL_AudioSpec spec;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &spec, &data, &length)) throw fail(SDL_GetError());
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(data, &SDL_FreeWAV);

  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, Mixer::kChannels,
                        Mixer::kRate) < 0) {
    throw fail(SDL_GetError());
  }
  // Whole frames only: a cut last frame would shift the channels of a loop.
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  length -= length % frameBytes;
  std::vector<Uint8> work(static_cast<std::size_t>(length) * cvt.len_mult);
  std::copy(data, data + length, work.begin());
  cvt.buf = work.data();
  cvt.len = static_cast<int>(length);
  if (SDL_ConvertAudio(&cvt) != 0) throw fail(SDL_GetError());

  Voice voice;
  const std::size_t samples = static_cast<std::size_t>(cvt.len_cvt) / sizeof(std::int16_t);
  voice.samples.resize(samples - samples % Mixer::kChannels);
  std::memcpy(voice.samples.data(), work.data(), voice.samples.size() * sizeof(std::int16_t));
  return voice;
}

}  // namespace

DirectSoundBuffer::DirectSoundBuffer(SoundDriver& driver, Mixer& mixer, Voice voice)
    : driver_(driver), mixer_(mixer), voice_(std::move(voice)) {
  DriverLock lock(driver_);
  mixer_.Add(&voice_);
}

DirectSoundBuffer::~DirectSoundBuffer() {
  DriverLock lock(driver_);
  mixer_.Remove(&voice_);
}

void DirectSoundBuffer::Play(long flags) {
  DriverLock lock(driver_);
  if (voice_.playing || voice_.Frames() == 0) return;
  voice_.playing = true;
  voice_.looping = (flags & DSBPLAY_LOOPING) != 0;
  ++starts_;
}

void DirectSoundBuffer::Stop() {
  DriverLock lock(driver_);
  voice_.playing = false;
  voice_.frame = 0;
}

bool DirectSoundBuffer::IsPlaying() const {
  DriverLock lock(driver_);
  return voice_.playing;
}

DirectSound7::DirectSound7(Platform& platform)
    : driver_(*platform.sound), mixer_(std::make_unique<Mixer>()) {
  driver_.Open(*mixer_);
}

DirectSound7::~DirectSound7() {
  driver_.Close();
}

void DirectSound7::SetCooperativeLevel(HWND /*window*/, long flags) {
  if (flags != DSSCL_EXCLUSIVE) {
    throw RunTimeError("DirectSound SetCooperativeLevel: unsupported level " +
                       std::to_string(flags));
  }
}

std::unique_ptr<DirectSoundBuffer> DirectSound7::CreateSoundBufferFromFile(
    const std::string& path, DSBUFFERDESC& /*desc*/, WAVEFORMATEX& /*format*/) {
  return std::make_unique<DirectSoundBuffer>(driver_, *mixer_, LoadVoice(path));
}
