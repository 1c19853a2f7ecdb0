// Pictures that are odd but valid: a sprite smaller than the size at which it
// is drawn draws nothing and nothing fails; a background of another size than
// the screen is scaled to the back buffer's size.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/data_files.h"
#include "fixture_data.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/directx/display.h"
#include "media/platform/platform.h"
#include "robust_bitmap_forms.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

constexpr unsigned kMarker = 0x1234;
constexpr int kSpace = 32;

// A copy of the fixture data with some bitmaps replaced.
std::string DataWith(const std::string& name,
                     const std::vector<std::pair<DataFile, Picture>>& bitmaps) {
  const std::string dir = TempDir(name);
  fs::copy(HeadlessGame::FixtureAppPath() + "/Data", dir + "/Data", fs::copy_options::recursive);
  for (const auto& [file, picture] : bitmaps) {
    std::ofstream(dir + "/Data/" + std::string(file.path), std::ios::binary)
        << EncodeBitmap(picture, BitmapForm::BottomUp24);
  }
  return dir;
}

// A picture whose every pixel tells where it is, never black.
Picture Gradient(int width, int height, int step) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(SDL_Color{static_cast<Uint8>(8 + x / step * 8 % 240),
                                         static_cast<Uint8>(16 + y / step * 4 % 236), 200, 255});
    }
  }
  return picture;
}

// Runs the game through the splash and the title into a few frames of play.
int PlayAFewFrames(HeadlessGame& game) {
  long shown = 0;
  CurrentPlatform().frameShown.push_back([&](const FrameView&) {
    if (++shown == 102) game.Video().Push(WindowEvent{WindowEvent::Kind::KeyDown, kSpace});
  });
  const int status = game.Run(120);
  EXPECT_EQ(Game.GameState, GameState::Play);
  return status;
}

TEST(OddPictures, ASpriteSmallerThanItsDrawnSizeDrawsNothingAndNothingFails) {
  std::vector<std::pair<DataFile, Picture>> small;
  for (int frame = 0; frame <= 4; ++frame) {
    small.emplace_back(SpriteFile(SpriteKind::Player, frame), Gradient(79, 80, 1));
  }
  small.emplace_back(SpriteFile(SpriteKind::Enemy, 0), Gradient(80, 40, 1));
  const std::string dir = DataWith("small-sprites", small);
  {
    HeadlessGame game(dir);
    game.StartUp();
    BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, kMarker);
    BlitSprite(*BackBuffer, Sprite(SpriteKind::Player, 0).get(), 100, 100, 80, 80);
    BlitSprite(*BackBuffer, Sprite(SpriteKind::Enemy, 0).get(), 300, 100, 80, 80);
    for (int y = 0; y < 480; y += 7) {
      for (int x = 0; x < 640; x += 7)
        ASSERT_EQ(HeadlessGame::Pixel(x, y), kMarker) << x << ", " << y;
    }
    BlitSprite(*BackBuffer, Sprite(SpriteKind::Player, 0).get(), 100, 100, 79,
               80);  // its own size draws
    EXPECT_NE(HeadlessGame::Pixel(100, 100), kMarker);
  }
  HeadlessGame game(dir);
  EXPECT_EQ(PlayAFewFrames(game), 0);
  fs::remove_all(dir);
}

TEST(OddPictures, ABackgroundOfAnotherSizeIsScaledToTheBackBuffer) {
  // Twice, half and an uneven size. The half-size source is made of 2 x 2
  // blocks of one colour, so that either pixel of a pair may be the nearest.
  for (const Picture& yama :
       {Gradient(320, 240, 1), Gradient(1280, 960, 2), Gradient(100, 75, 1)}) {
    SCOPED_TRACE(std::to_string(yama.width) + " x " + std::to_string(yama.height));
    const std::string dir = DataWith("background", {{BackgroundFile(), yama}});
    HeadlessGame game(dir);
    game.StartUp();
    SDL_Surface& background = BackgroundSurface->Pixels();
    ASSERT_EQ(background.w, 640);
    ASSERT_EQ(background.h, 480);
    const std::vector<unsigned> pixels = SurfacePixels(background);
    // The middle of where each source pixel lands shows that pixel.
    for (int sy : {0, 1, yama.height / 2, yama.height - 1}) {
      for (int sx : {0, 1, yama.width / 2, yama.width - 1}) {
        const int x = (2 * sx + 1) * 640 / (2 * yama.width);
        const int y = (2 * sy + 1) * 480 / (2 * yama.height);
        EXPECT_EQ(pixels[y * 640 + x], Rgb565(yama.At(sx, sy))) << sx << ", " << sy;
      }
    }
    fs::remove_all(dir);
  }
}

}  // namespace

}  // namespace ridgeline
