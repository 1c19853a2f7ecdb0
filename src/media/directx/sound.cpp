#include "media/directx/sound.h"

#include "common/app_path.h"
#include "common/data_files.h"
#include "media/directx/directx.h"
#include "media/directx/window.h"

namespace ridgeline {

std::unique_ptr<DirectSound7> DirectSound;
Table<std::unique_ptr<DirectSoundBuffer>, 7> SoundBuffer;
Table<DSBUFFERDESC, 7> SoundBufferDesc;
Table<WAVEFORMATEX, 7> WaveFormat;

void InitSound() {
  if (!DirectX) DirectX = std::make_unique<DirectX7>();
  DirectSound = DirectX->DirectSoundCreate("");
  DirectSound->SetCooperativeLevel(MainWindow.hWnd(), DSSCL_EXCLUSIVE);
}

void LoadSounds() {
  for (long slot = 0; slot <= 1; ++slot) {
    LoadWave(*DirectSound, DataFilePath(SoundFile(slot)), SoundBuffer(slot), SoundBufferDesc(slot),
             WaveFormat(slot));
  }
}

void LoadWave(DirectSound7& sound, const std::string& path,
              std::unique_ptr<DirectSoundBuffer>& slot, DSBUFFERDESC& desc, WAVEFORMATEX& format) {
  desc.lFlags = DSBCAPS_STATIC;
  slot = sound.CreateSoundBufferFromFile(path, desc, format);
}

}  // namespace ridgeline
