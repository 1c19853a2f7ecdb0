#include "media/directx/directsound.h"

#include "common/run_time_error.h"
#include "media/files/wave_file.h"
#include "media/platform/platform.h"

namespace ridgeline {

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

}  // namespace ridgeline
