#pragma once

#include <memory>
#include <string>

#include "media/directx/ddraw_types.h"
#include "media/platform/mixer.h"

namespace ridgeline {

struct Platform;
class SoundDriver;

// A static sound buffer: the whole sound, played once or looping.
class DirectSoundBuffer {
 public:
  DirectSoundBuffer(SoundDriver& driver, Mixer& mixer, Voice voice);
  ~DirectSoundBuffer();
  DirectSoundBuffer(const DirectSoundBuffer&) = delete;
  DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

  // Starts the sound, looping with DSBPLAY_LOOPING. A buffer that is already
  // playing carries on undisturbed.
  void Play(long flags);
  // Silences the buffer; the next Play starts it from its beginning.
  void Stop();

  bool IsPlaying() const;
  // How many times Play has started this buffer from silence.
  long Starts() const { return starts_; }
  double Seconds() const { return static_cast<double>(voice_.Frames()) / Mixer::kRate; }

 private:
  SoundDriver& driver_;
  Mixer& mixer_;
  Voice voice_;
  long starts_ = 0;
};

// The sound object of the default output device.
class DirectSound7 {
 public:
  // Opens the device; throws RunTimeError when there is none.
  explicit DirectSound7(Platform& platform);
  ~DirectSound7();
  DirectSound7(const DirectSound7&) = delete;
  DirectSound7& operator=(const DirectSound7&) = delete;

  void SetCooperativeLevel(HWND window, long flags);
  // A buffer holding the whole sound of a wave file, converted once to the
  // mixer's format.
  std::unique_ptr<DirectSoundBuffer> CreateSoundBufferFromFile(const std::string& path,
                                                               DSBUFFERDESC& desc,
                                                               WAVEFORMATEX& format);

 private:
  SoundDriver& driver_;
  std::unique_ptr<Mixer> mixer_;
};

}  // namespace ridgeline
