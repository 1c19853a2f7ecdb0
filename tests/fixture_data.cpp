#include "fixture_data.h"

#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/data_files.h"
#include "robust_bitmap_forms.h"
#include "robust_wave_forms.h"

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

// The fixture's picture of a data file: the background a ramp of colours, a
// sprite one 10 x 10 block of its own colour on black.
Picture FixturePicture(const DataFile& file) {
  Picture picture{file.width, file.height, {}};
  for (int y = 0; y < file.height; ++y) {
    for (int x = 0; x < file.width; ++x) {
      SDL_Color colour{0, 0, 0, 255};
      if (file.role == DataRole::Background) {
        colour = BackgroundColour(x);
      } else if (x < 10 && y < 10) {
        colour = SpriteColour(file.slot, file.frame);
      }
      picture.pixels.push_back(colour);
    }
  }
  return picture;
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
    std::string bytes;
    if (file.role == DataRole::Sound) {
      bytes = EncodeWave(WaveForm{.frames = file.slot == 0 ? 11025u : 22050u});  // 0.5 s, 1 s
    } else if (file.role != DataRole::Midi) {  // left out: the game must run without it
      bytes = EncodeBitmap(FixturePicture(file), BitmapForm::BottomUp24);
    }
    if (!bytes.empty()) std::ofstream(path, std::ios::binary) << bytes;
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
