#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ridgeline {

// The most sound data a wave file may hold: over three minutes of CD sound.
constexpr std::uint32_t kMaxWaveDataBytes = 32u << 20;

// Walks a wave file's chunks before SDL reads it and says why the file must be
// refused, or nothing when SDL may read it. SDL allocates each chunk at the
// size its header claims, so every chunk up to the sound data must lie wholly
// inside the file, and the sound data must be no larger than the game takes.
// Leaves the file where it was.
std::optional<std::string> WaveRefusal(SDL_RWops& file);

}  // namespace ridgeline
