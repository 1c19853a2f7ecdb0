#pragma once

#include <SDL.h>

#include <string>
#include <vector>

namespace ridgeline {

// A picture as red, green and blue components, rows from the top: what a
// bitmap file holds, whatever form the file stores it in.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<SDL_Color> pixels;  // width x height, row after row

  SDL_Color At(int x, int y) const { return pixels[y * width + x]; }
};

// The forms of bitmap file that the game must read alike.
enum class BitmapForm {
  BottomUp24,  // rows from the bottom, as most programs write them
  TopDown24,   // rows from the top: a negative height
  Palette8,    // 256 colours in a table; the picture must use only InPalette's colours
  Bits32,      // 32 bits a pixel, the fourth byte unused and 0
};

// The picture of a bitmap file, decoded by SDL.
Picture ReadPicture(const std::string& path);

// The picture's colours rounded down to the 256 of a 3-3-2 palette, in which
// black stays black.
Picture InPalette(const Picture& picture);

// The bytes of a bitmap file holding `picture` in `form`, with the 40-byte
// header that most programs write.
std::string EncodeBitmap(const Picture& picture, BitmapForm form);

// Where EncodeBitmap puts the header fields that hostile files change.
constexpr std::size_t kBitmapWidthAt = 18;
constexpr std::size_t kBitmapHeightAt = 22;
constexpr std::size_t kBitmapDepthAt = 28;

// The 16-bit display pixel of a colour, as the game's conversion makes it.
unsigned Rgb565(SDL_Color colour);
// Every pixel of a 16-bit surface, row after row.
std::vector<unsigned> SurfacePixels(SDL_Surface& surface);
// Every pixel of the picture as the 16-bit display shows it.
std::vector<unsigned> DisplayPixels(const Picture& picture);

}  // namespace ridgeline
