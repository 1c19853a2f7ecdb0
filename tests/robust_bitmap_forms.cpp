#include "robust_bitmap_forms.h"

#include <cstdint>
#include <stdexcept>

namespace ridgeline {

namespace {

void Put16(std::string& out, std::size_t at, std::uint16_t v) {
  out[at] = static_cast<char>(v & 0xFF);
  out[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, static_cast<std::uint16_t>(v & 0xFFFF));
  Put16(out, at + 2, static_cast<std::uint16_t>(v >> 16));
}

int Depth(BitmapForm form) {
  switch (form) {
    case BitmapForm::Palette8:
      return 8;
    case BitmapForm::Bits32:
      return 32;
    default:
      return 24;
  }
}

SDL_Color PaletteColour(unsigned index) {
  return SDL_Color{static_cast<Uint8>((index >> 5) << 5),
                   static_cast<Uint8>(((index >> 2) & 7) << 5),
                   static_cast<Uint8>((index & 3) << 6), 255};
}

unsigned PaletteIndex(SDL_Color c) {
  return (c.r >> 5) << 5 | (c.g >> 5) << 2 | c.b >> 6;
}

void PutPixel(std::string& out, std::size_t at, SDL_Color c, BitmapForm form) {
  if (form == BitmapForm::Palette8) {
    out[at] = static_cast<char>(PaletteIndex(c));
    return;
  }
  out[at] = static_cast<char>(c.b);
  out[at + 1] = static_cast<char>(c.g);
  out[at + 2] = static_cast<char>(c.r);
}

}  // namespace

Picture ReadPicture(const std::string& path) {
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (!loaded) throw std::runtime_error(SDL_GetError());
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) throw std::runtime_error(SDL_GetError());
  Picture picture{rgb->w, rgb->h, {}};
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = static_cast<const Uint8*>(rgb->pixels) + y * rgb->pitch;
    for (int x = 0; x < rgb->w; ++x) {
      picture.pixels.push_back(SDL_Color{row[3 * x], row[3 * x + 1], row[3 * x + 2], 255});
    }
  }
  SDL_FreeSurface(rgb);
  return picture;
}

Picture InPalette(const Picture& picture) {
  Picture reduced = picture;
  for (SDL_Color& c : reduced.pixels) c = PaletteColour(PaletteIndex(c));
  return reduced;
}

std::string EncodeBitmap(const Picture& picture, BitmapForm form) {
  const int depth = Depth(form);
  const std::size_t paletteBytes = form == BitmapForm::Palette8 ? 256 * 4 : 0;
  const std::size_t pixelsAt = 14 + 40 + paletteBytes;
  const std::size_t rowBytes = (picture.width * depth / 8 + 3) / 4 * 4;
  std::string out(pixelsAt + rowBytes * picture.height, '\0');
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, static_cast<std::uint32_t>(pixelsAt));
  Put32(out, 14, 40);
  Put32(out, kBitmapWidthAt, static_cast<std::uint32_t>(picture.width));
  const bool topDown = form == BitmapForm::TopDown24;
  Put32(out, kBitmapHeightAt,
        static_cast<std::uint32_t>(topDown ? -picture.height : picture.height));
  Put16(out, 26, 1);  // planes
  Put16(out, kBitmapDepthAt, static_cast<std::uint16_t>(depth));
  Put32(out, 34, static_cast<std::uint32_t>(rowBytes * picture.height));
  if (paletteBytes > 0) {
    Put32(out, 46, 256);  // colours used
    for (unsigned i = 0; i < 256; ++i) {
      const SDL_Color c = PaletteColour(i);
      PutPixel(out, 54 + 4 * i, c, BitmapForm::BottomUp24);
    }
  }
  for (int y = 0; y < picture.height; ++y) {
    const int fileRow = topDown ? y : picture.height - 1 - y;
    for (int x = 0; x < picture.width; ++x) {
      PutPixel(out, pixelsAt + fileRow * rowBytes + x * depth / 8, picture.At(x, y), form);
    }
  }
  return out;
}

unsigned Rgb565(SDL_Color c) {
  return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3);
}

std::vector<unsigned> SurfacePixels(SDL_Surface& surface) {
  // Locking decodes a run-length encoded surface back into plain rows.
  if (SDL_LockSurface(&surface) != 0) throw std::runtime_error(SDL_GetError());
  std::vector<unsigned> pixels;
  for (int y = 0; y < surface.h; ++y) {
    const auto* row = reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(surface.pixels) +
                                                      y * surface.pitch);
    pixels.insert(pixels.end(), row, row + surface.w);
  }
  SDL_UnlockSurface(&surface);
  return pixels;
}

std::vector<unsigned> DisplayPixels(const Picture& picture) {
  std::vector<unsigned> pixels;
  for (SDL_Color c : picture.pixels) pixels.push_back(Rgb565(c));
  return pixels;
}

}  // namespace ridgeline
