#include "fixture_data.h"

#include <SDL.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "common/data_files.h"

namespace ridgeline {

namespace fs = std::filesystem;

namespace {

SDL_Color SpriteColour(int kind, int frame) {
  return SDL_Color{static_cast<Uint8>(40 + 30 * kind), static_cast<Uint8>(200 - 20 * frame), 90,
                   255};
}

SDL_Color BackgroundColour(int x) {
  // Never black: the background's black would be drawn, but tests look for
  // the sprite key passing through.
  return SDL_Color{static_cast<Uint8>(8 + x % 240), static_cast<Uint8>(100 + x / 8), 200, 255};
}

unsigned Rgb565(SDL_Color c) {
  return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3);
}

void SaveBitmap(const fs::path& path, int width, int height, SDL_Color block, bool ramp) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(s, nullptr, 0);
  if (ramp) {
    for (int x = 0; x < width; ++x) {
      const SDL_Color c = BackgroundColour(x);
      SDL_Rect column{x, 0, 1, height};
      SDL_FillRect(s, &column, SDL_MapRGB(s->format, c.r, c.g, c.b));
    }
  } else {
    SDL_Rect r{0, 0, 10, 10};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, block.r, block.g, block.b));
  }
  if (SDL_SaveBMP(s, path.c_str()) != 0) throw std::runtime_error(SDL_GetError());
  SDL_FreeSurface(s);
}

void SaveWave(const fs::path& path, double seconds, int rate) {
  const auto frames = static_cast<std::uint32_t>(seconds * rate);
  std::vector<std::int16_t> samples(frames);
  for (std::uint32_t i = 0; i < frames; ++i) {
    samples[i] = static_cast<std::int16_t>(1000 * std::sin(i * 0.05));
  }
  const std::uint32_t bytes = frames * 2;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate) * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), bytes);
}

}  // namespace

std::string TempDir(const std::string& name) {
  const fs::path dir =
      fs::temp_directory_path() / ("ridgeline-test-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

std::string MakeFixtureData(const std::string& dir) {
  for (const DataFile& file : kDataFiles) {
    const fs::path path = fs::path(dir) / "Data" / file.path;
    fs::create_directories(path.parent_path());
    switch (file.role) {
      case DataRole::Background:
        SaveBitmap(path, file.width, file.height, {}, true);
        break;
      case DataRole::Sprite:
        SaveBitmap(path, file.width, file.height, SpriteColour(file.slot, file.frame), false);
        break;
      case DataRole::Sound:
        SaveWave(path, file.slot == 0 ? 0.5 : 1.0, 22050);
        break;
      case DataRole::Midi:
        break;  // left out: the game must run without it
    }
  }
  return dir;
}

unsigned FixtureSpriteColour(int kind, int frame) {
  return Rgb565(SpriteColour(kind, frame));
}

unsigned FixtureBackgroundColour(int x) {
  return Rgb565(BackgroundColour(x));
}

}  // namespace ridgeline
