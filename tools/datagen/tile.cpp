// The floor tile: a grassy edge with blades standing up against the scenery,
// over layered earth with embedded stones. Every feature wraps around the
// tile's width, so tiles laid side by side join without a seam.
#include "fixed_math.h"
#include "raster.h"
#include "shading.h"
#include "sprites.h"

namespace datagen {
namespace {

constexpr int kSize = kSpriteSize;

// A wave that repeats `cycles` times across the tile.
int TileRipple(int x, int cycles, int amplitude, int phase) {
  return amplitude * Sin(x * cycles * kTurn / kSize + phase) / kOne;
}

// Lower edge of the turf at column x: a wavy line with tufts hanging down.
int TurfBottom(int x) {
  return 11 + TileRipple(x, 3, 2, 0) + TileRipple(x, 7, 1, 900);
}

void DrawEarth(Canvas& tile) {
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      // Strata: bands of darker soil that undulate across the tile.
      const int band = (y + TileRipple(x, 2, 3, 300) + TileRipple(x, 5, 1, 0)) % 22;
      Ink ink = band < 3 ? Ink::Earth1 : Ink::Earth2;
      if (band == 3 && Dither(x, y, 8)) ink = Ink::Earth1;
      // Deeper earth is darker.
      if (y > 56 && Dither(x, y, (y - 56) * 16 / 24)) ink = Darker(ink);
      tile.set(x, y, ink);
    }
  }
}

void DrawStones(Canvas& tile) {
  Rng rng(0x57011u);
  for (int i = 0; i < 9; ++i) {
    const int x = rng.Range(0, kSize - 1);
    const int y = rng.Range(22, 74);
    const int rx = rng.Range(2, 4);
    const int ry = rng.Range(1, 3);
    Canvas stone(2 * rx + 3, 2 * ry + 3);
    FillEllipse(stone, rx + 1, ry + 1, rx, ry, Ink::Grey2);
    Shade(stone, kTopLeftLight);
    AddOutline(stone, Ink::Earth0);
    tile.PasteWrapped(stone, x - rx - 1, y - ry - 1);
  }
}

void DrawTurf(Canvas& tile) {
  Rng rng(0x64A55u);
  for (int x = 0; x < kSize; ++x) {
    const int bottom = TurfBottom(x);
    // Blades of uneven height poke up to four pixels above the turf's top.
    const int blade = rng.Range(0, 7);
    const int top = blade < 4 ? blade : 4;
    for (int y = 0; y < top; ++y) tile.set(x, y, Ink::Clear);
    for (int y = top; y <= bottom; ++y) {
      Ink ink = y < 4 ? Ink::Grass3 : y < 7 ? Ink::Grass2 : Ink::Grass1;
      if (y == 6 && Dither(x, y, 8)) ink = Ink::Grass2;
      if (y == bottom) ink = Ink::Grass0;
      tile.set(x, y, ink);
    }
    // Shadow the turf throws on the earth just below it.
    tile.set(x, bottom + 1, Ink::Earth0);
    if (Dither(x, bottom + 2, 8)) tile.set(x, bottom + 2, Ink::Earth1);
  }
}

}  // namespace

Canvas DrawFloorTile() {
  Canvas tile(kSize, kSize);
  DrawEarth(tile);
  DrawStones(tile);
  DrawTurf(tile);
  return tile;
}

}  // namespace datagen
