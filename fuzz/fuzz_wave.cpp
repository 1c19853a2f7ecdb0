// Loads each input as a wave file into a sound buffer, then plays it looping
// through the mixer for a few frames' worth of sound. A refused file is fine;
// a crash, a sanitizer report or a runaway allocation is a finding.

#include <cstdint>
#include <vector>

#include "common/run_time_error.h"
#include "fuzz_file.h"
#include "media/directx/directsound.h"
#include "media/platform/mixer.h"
#include "media/platform/platform.h"

using namespace ridgeline;

namespace {

// A sound driver that mixes into memory, as a device would.
class MemorySound : public SoundDriver {
 public:
  void Open(Mixer& mixer) override { mixer_ = &mixer; }
  void Close() override { mixer_ = nullptr; }
  void Lock() override {}
  void Unlock() override {}
  void SetVolume(int /*volume*/) override {}
  void Pause(bool /*paused*/) override {}

  // Mixes one buffer of sound, as the device would ask for it.
  void MixBuffer() {
    std::vector<std::int16_t> out(2 * 800 * Mixer::kChannels);
    mixer_->Mix(out.data(), out.size() / Mixer::kChannels);
  }

 private:
  Mixer* mixer_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Platform platform = [] {
    Platform p;
    p.sound = std::make_unique<MemorySound>();
    return p;
  }();
  static DirectSound7 sound(platform);
  auto& device = static_cast<MemorySound&>(*platform.sound);
  const std::string& path = WriteFuzzFile(data, size, ".wav");
  try {
    DSBUFFERDESC desc;
    desc.lFlags = DSBCAPS_STATIC;
    WAVEFORMATEX format;
    auto buffer = sound.CreateSoundBufferFromFile(path, desc, format);
    buffer->Play(DSBPLAY_LOOPING);
    for (int frame = 0; frame < 3; ++frame) device.MixBuffer();
    buffer->Stop();
  } catch (const RunTimeError&) {
    // Refused: what the game does with it is end start-up, naming the file.
  }
  return 0;
}
