// The generated data in the forms the game's loaders take: every picture a
// 24-bit bitmap of the size the game draws it at, every sound 16-bit PCM at a
// rate the mixer plays. The bytes themselves are pinned by tests/trace_digests.sh.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "common/data_files.h"

namespace ridgeline {

namespace {

std::string PathOf(const DataFile& file) {
  return std::string(RIDGELINE_DATA_DIR) + "/" + std::string(file.path);
}

TEST(DataFormats, PicturesAre24BitBitmapsOfTheirSizeAndSoundsAre16BitPcm) {
  for (const DataFile& file : kDataFiles) {
    SCOPED_TRACE(file.path);
    if (file.role == DataRole::Background || file.role == DataRole::Sprite) {
      SDL_Surface* picture = SDL_LoadBMP(PathOf(file).c_str());
      ASSERT_NE(picture, nullptr) << SDL_GetError();
      EXPECT_EQ(picture->format->BitsPerPixel, 24);
      EXPECT_EQ(picture->w, file.width);
      EXPECT_EQ(picture->h, file.height);
      SDL_FreeSurface(picture);
    } else if (file.role == DataRole::Sound) {
      SDL_AudioSpec spec{};
      Uint8* samples = nullptr;
      Uint32 length = 0;
      ASSERT_NE(SDL_LoadWAV(PathOf(file).c_str(), &spec, &samples, &length), nullptr);
      EXPECT_EQ(spec.format, AUDIO_S16LSB);
      EXPECT_TRUE(spec.freq == 22050 || spec.freq == 44100) << spec.freq;
      EXPECT_GT(length, 0u);
      SDL_FreeWAV(samples);
    }
  }
}

}  // namespace

}  // namespace ridgeline
