#pragma once

#include <memory>
#include <string>

#include "common/table.h"
#include "media/directx/directsound.h"

namespace ridgeline {

// The game's sounds, loaded once at start-up: slot 0 the explosion, slot 1 the
// music. Slots 2 to 7 stay empty.
extern std::unique_ptr<DirectSound7> DirectSound;
extern Table<std::unique_ptr<DirectSoundBuffer>, 7> SoundBuffer;
extern Table<DSBUFFERDESC, 7> SoundBufferDesc;
extern Table<WAVEFORMATEX, 7> WaveFormat;

void InitSound();
void LoadSounds();
void LoadWave(DirectSound7& sound, const std::string& path,
              std::unique_ptr<DirectSoundBuffer>& slot, DSBUFFERDESC& desc, WAVEFORMATEX& format);

}  // namespace ridgeline
