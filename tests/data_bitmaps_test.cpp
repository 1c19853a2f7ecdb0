// The generated pictures: names, sizes and format; the transparent-black rule
// of the sprites; the figures inside the boxes the game tests them with; the
// background and the floor tile joining up when repeated.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/data_files.h"

namespace ridgeline {

namespace {

struct Rgb {
  int r, g, b;
  bool black() const { return r == 0 && g == 0 && b == 0; }
  int luminance() const { return (299 * r + 587 * g + 114 * b) / 1000; }
  int distance(Rgb o) const { return std::abs(r - o.r) + std::abs(g - o.g) + std::abs(b - o.b); }
};

// A loaded bitmap, converted to 24-bit RGB for reading.
class Picture {
 public:
  explicit Picture(const DataFile& file) {
    const std::string path = std::string(RIDGELINE_DATA_DIR) + "/" + std::string(file.path);
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return;
    bits_ = loaded->format->BitsPerPixel;
    surface_.reset(SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0));
    SDL_FreeSurface(loaded);
  }

  bool loaded() const { return surface_ != nullptr; }
  int bits() const { return bits_; }
  int width() const { return surface_->w; }
  int height() const { return surface_->h; }
  SDL_Surface* surface() const { return surface_.get(); }

  Rgb at(int x, int y) const {
    const auto* p =
        static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch + 3 * x;
    return {p[0], p[1], p[2]};
  }

  // Bounding rows and columns of the non-black pixels.
  SDL_Rect Figure() const {
    int left = width(), top = height(), right = -1, bottom = -1;
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) {
        if (at(x, y).black()) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    return {left, top, right - left + 1, bottom - top + 1};
  }

  // Mean difference between column a and column b over the rows [0, rows).
  int ColumnDifference(int a, int b, int rows) const {
    long total = 0;
    for (int y = 0; y < rows; ++y) total += at(a, y).distance(at(b, y));
    return static_cast<int>(total / rows);
  }

 private:
  struct Free {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  };
  std::unique_ptr<SDL_Surface, Free> surface_;
  int bits_ = 0;
};

constexpr SpriteKind kPlayer = SpriteKind::Player, kEnemy = SpriteKind::Enemy,
                     kShot = SpriteKind::Shot, kExplosion = SpriteKind::Explosion,
                     kTile = SpriteKind::FloorTile;

// The five frames of an animated sprite kind.
std::vector<DataFile> Frames(SpriteKind kind) {
  std::vector<DataFile> files;
  for (int frame = 0; frame < 5; ++frame) files.push_back(SpriteFile(kind, frame));
  return files;
}

// The listed files of these roles.
std::vector<DataFile> FilesOf(std::initializer_list<DataRole> roles) {
  std::vector<DataFile> files;
  for (const DataFile& file : kDataFiles) {
    if (std::ranges::find(roles, file.role) != roles.end()) files.push_back(file);
  }
  return files;
}

std::vector<DataFile> Sprites() {
  return FilesOf({DataRole::Sprite});
}

std::vector<DataFile> Pictures() {
  return FilesOf({DataRole::Background, DataRole::Sprite});
}

// The seam between the last column and the first must be no worse than the
// join of most neighbouring columns inside the picture.
void ExpectSeamless(const Picture& picture, int rows) {
  std::vector<int> neighbours;
  for (int x = 0; x + 1 < picture.width(); ++x) {
    neighbours.push_back(picture.ColumnDifference(x, x + 1, rows));
  }
  std::sort(neighbours.begin(), neighbours.end());
  const int typical = neighbours[neighbours.size() * 9 / 10];
  EXPECT_LE(picture.ColumnDifference(picture.width() - 1, 0, rows), typical);
}

TEST(DataBitmaps, EveryPictureIsA24BitBitmapOfItsSize) {
  for (const DataFile& file : Pictures()) {
    SCOPED_TRACE(file.path);
    const Picture picture(file);
    ASSERT_TRUE(picture.loaded()) << SDL_GetError();
    EXPECT_EQ(picture.bits(), 24);
    EXPECT_EQ(picture.width(), file.width);
    EXPECT_EQ(picture.height(), file.height);
  }
}

TEST(DataBitmaps, SpritesAreOnExactBlackAndNoFigurePixelBecomesTransparent) {
  for (const DataFile& file : Sprites()) {
    SCOPED_TRACE(file.path);
    const Picture picture(file);
    ASSERT_TRUE(picture.loaded());
    SDL_Surface* rgb565 = SDL_ConvertSurfaceFormat(picture.surface(), SDL_PIXELFORMAT_RGB565, 0);
    ASSERT_NE(rgb565, nullptr);
    int figure = 0, background = 0, holes = 0;
    for (int y = 0; y < picture.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint16_t*>(
          static_cast<const std::uint8_t*>(rgb565->pixels) + y * rgb565->pitch);
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.at(x, y).black()) {
          ++background;
        } else {
          ++figure;
          if (row[x] == 0) ++holes;
        }
      }
    }
    SDL_FreeSurface(rgb565);
    EXPECT_EQ(holes, 0) << "figure pixels that turn into the transparent black";
    EXPECT_GT(figure, 0);
    EXPECT_GT(background, 0);
  }
}

TEST(DataBitmaps, SpritesStandOnTransparentCorners) {
  for (const DataFile& file : Sprites()) {
    if (file.Kind() == kTile) continue;  // the tile is earth to its edges
    SCOPED_TRACE(file.path);
    const Picture picture(file);
    ASSERT_TRUE(picture.loaded());
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
      EXPECT_TRUE(picture.at(x, y).black()) << x << ", " << y;
    }
  }
}

TEST(DataBitmaps, FiguresSitWhereTheGameExpectsThem) {
  for (const DataFile& file : Frames(kPlayer)) {
    SCOPED_TRACE(file.path);
    const SDL_Rect runner = Picture(file).Figure();
    // Standing at y 323 on the floor drawn from y 400: feet on row 76 or so.
    EXPECT_GE(runner.y + runner.h - 1, 74);
    EXPECT_LE(runner.y + runner.h - 1, 77);
    EXPECT_GE(runner.h, 50) << "tall enough to read as a person";
  }
  // Shots and enemies are tested against the top-left 80 x 50 of their pictures.
  for (const DataFile& file : Frames(kEnemy)) {
    SCOPED_TRACE(file.path);
    const SDL_Rect flyer = Picture(file).Figure();
    EXPECT_LE(flyer.y + flyer.h, 50);
  }
  const SDL_Rect bolt = Picture(SpriteFile(kShot, 0)).Figure();
  EXPECT_LE(bolt.y + bolt.h, 50);
  EXPECT_GE(bolt.y, 25) << "at the height of the runner's hand, not its head";
  for (const DataFile& file : Frames(kExplosion)) {
    SCOPED_TRACE(file.path);
    const SDL_Rect blast = Picture(file).Figure();
    const int centre_y = blast.y + blast.h / 2;
    EXPECT_GE(centre_y, 10);
    EXPECT_LE(centre_y, 40) << "centred on where the flyer's body was";
  }
}

TEST(DataBitmaps, NoFigureIsCutOffAtTheEdgeOfItsPicture) {
  for (const DataFile& file : Sprites()) {
    if (file.Kind() == kTile) continue;  // the tile is earth to its edges
    SCOPED_TRACE(file.path);
    const Picture picture(file);
    const SDL_Rect figure = picture.Figure();
    EXPECT_GT(figure.x, 0);
    EXPECT_GT(figure.y, 0);
    EXPECT_LT(figure.x + figure.w, picture.width());
    EXPECT_LT(figure.y + figure.h, picture.height());
  }
}

TEST(DataBitmaps, RunnerBobsLowestAsTheLegsPass) {
  std::vector<int> head;
  for (const DataFile& file : Frames(kPlayer)) head.push_back(Picture(file).Figure().y);
  EXPECT_GE(head[2] - head[0], 2) << "the head drops between the strides";
  EXPECT_GE(head[2] - head[4], 2);
  EXPECT_EQ(head[1], head[3]) << "the in-between frames mirror each other";
}

TEST(DataBitmaps, BoltBurnsHottestAtItsFront) {
  const Picture bolt(SpriteFile(kShot, 0));
  const SDL_Rect figure = bolt.Figure();
  long hot_x = 0, hot = 0;
  for (int y = 0; y < bolt.height(); ++y) {
    for (int x = 0; x < bolt.width(); ++x) {
      if (bolt.at(x, y).luminance() <= 220) continue;
      hot_x += x;
      ++hot;
    }
  }
  ASSERT_GT(hot, 0);
  EXPECT_GT(hot_x / hot, figure.x + figure.w * 2 / 3) << "flying right, head first";
}

TEST(DataBitmaps, FlyerBeatsItsWingsUpThenDown) {
  std::vector<SDL_Rect> frames;
  for (const DataFile& file : Frames(kEnemy)) frames.push_back(Picture(file).Figure());
  EXPECT_LT(frames[0].y, frames[1].y) << "wings highest in the first frame";
  EXPECT_LT(frames[1].y, frames[2].y);
  const auto bottom = [](const SDL_Rect& r) { return r.y + r.h; };
  EXPECT_GT(bottom(frames[4]), bottom(frames[2])) << "and lowest in the last";
}

TEST(DataBitmaps, ExplosionSwellsThenCoolsAndThins) {
  std::vector<int> area, white_hot;
  for (const DataFile& file : Frames(kExplosion)) {
    const Picture picture(file);
    int drawn = 0, hot = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        drawn += !picture.at(x, y).black();
        hot += picture.at(x, y).luminance() > 200;
      }
    }
    area.push_back(drawn);
    white_hot.push_back(hot);
  }
  EXPECT_LT(area[0], area[1]);
  EXPECT_LT(area[1], area[2]);
  EXPECT_LT(area[4], area[3]) << "the smoke thins out at the end";
  EXPECT_GT(white_hot[1], white_hot[2]);
  EXPECT_GT(white_hot[2], white_hot[3]);
  EXPECT_EQ(white_hot[4], 0);
}

TEST(DataBitmaps, AnimationFramesDiffer) {
  for (const SpriteKind kind : {kPlayer, kEnemy, kExplosion}) {
    const std::vector<DataFile> files = Frames(kind);
    for (std::size_t i = 0; i + 1 < files.size(); ++i) {
      SCOPED_TRACE(files[i].path);
      const Picture a(files[i]);
      const Picture b(files[i + 1]);
      int changed = 0;
      for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) changed += a.at(x, y).distance(b.at(x, y)) > 0;
      }
      EXPECT_GT(changed, 100);
    }
  }
}

TEST(DataBitmaps, BackgroundWrapsWithoutASeamAndIsLightBehindTheScore) {
  const Picture background(BackgroundFile());
  ASSERT_TRUE(background.loaded());
  ExpectSeamless(background, 400);  // the floor covers the rows below
  // The score is drawn in black from the top-left corner.
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 200; ++x) ASSERT_GE(background.at(x, y).luminance(), 130) << x << ", " << y;
  }
}

TEST(DataBitmaps, FarRangesArePalerThanTheNearHills) {
  const Picture background(BackgroundFile());
  const auto mean_luminance = [&](int top, int bottom) {
    long total = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < background.width(); ++x) total += background.at(x, y).luminance();
    }
    return total / ((bottom - top) * background.width());
  };
  const long far = mean_luminance(180, 240);
  const long middle = mean_luminance(270, 310);
  const long near = mean_luminance(350, 400);
  EXPECT_GT(far, middle);
  EXPECT_GT(middle, near);
}

TEST(DataBitmaps, FloorTileJoinsItsNeighbours) {
  const Picture tile(SpriteFile(kTile, 0));
  ASSERT_TRUE(tile.loaded());
  ExpectSeamless(tile, tile.height());
}

TEST(DataBitmaps, AllPicturesShareOnePalette) {
  std::set<int> colours;
  for (const DataFile& file : Pictures()) {
    const Picture picture(file);
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const Rgb c = picture.at(x, y);
        colours.insert(c.r << 16 | c.g << 8 | c.b);
      }
    }
  }
  EXPECT_LE(colours.size(), 64u);
}

}  // namespace

}  // namespace ridgeline
