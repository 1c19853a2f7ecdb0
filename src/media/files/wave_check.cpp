#include "media/files/wave_check.h"

#include <cstring>

#include "media/files/sdl_file.h"

namespace ridgeline {

namespace {

// SDL gives up after as many chunks; so does this walk.
constexpr int kMaxChunks = 10000;

std::optional<std::string> WalkChunks(SDL_RWops& file, Sint64 end) {
  unsigned char riff[12];
  if (SDL_RWread(&file, riff, sizeof riff, 1) != 1 || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return "not a wave file";
  }
  for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
    unsigned char header[8];
    if (SDL_RWread(&file, header, sizeof header, 1) != 1) return "no sound data";
    std::string id(reinterpret_cast<const char*>(header), 4);
    // Named in a one-line message: whatever the file holds must print.
    for (char& c : id) c = c >= ' ' && c <= '~' ? c : '?';
    const std::uint32_t size = Le32(header + 4);
    const Sint64 at = SDL_RWtell(&file);
    if (at < 0 || size > end - at) {
      return "cut short: its \"" + id + "\" chunk needs " + std::to_string(size) +
             " bytes, the file holds " + std::to_string(at < 0 ? 0 : end - at) + " more";
    }
    if (id == "data") {
      if (size > kMaxWaveDataBytes) {
        return std::to_string(size) + " bytes of sound is more than the game takes (" +
               std::to_string(kMaxWaveDataBytes) + ")";
      }
      return std::nullopt;
    }
    // Chunks are padded to an even length.
    SDL_RWseek(&file, size + (size & 1), RW_SEEK_CUR);
  }
  return "no sound data in its first " + std::to_string(kMaxChunks) + " chunks";
}

}  // namespace

std::optional<std::string> WaveRefusal(SDL_RWops& file) {
  const Sint64 start = SDL_RWtell(&file);
  const Sint64 end = SDL_RWsize(&file);
  if (start < 0 || end < 0) return "cannot be read";
  auto why = WalkChunks(file, end);
  SDL_RWseek(&file, start, RW_SEEK_SET);
  return why;
}

}  // namespace ridgeline
