#include "ico_writer.h"

namespace datagen {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

// A picture as an icon holds it: a bitmap header whose height counts the
// colour rows and the mask rows, the colours (blue, green, red, alpha) and
// then the mask (1 for transparent), both from the bottom row up, each mask
// row padded to whole 32-bit words.
Bytes IconImage(const Canvas& picture) {
  const int width = picture.width();
  const int height = picture.height();
  Bytes out;
  PutLe32(out, kBitmapHeaderSize);
  PutLe32(out, static_cast<std::uint32_t>(width));
  PutLe32(out, static_cast<std::uint32_t>(2 * height));
  PutLe16(out, 1);   // planes
  PutLe16(out, 32);  // bits per pixel
  for (int field = 0; field < 6; ++field)
    PutLe32(out, 0);  // uncompressed, sizes left to the reader
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Ink ink = picture.at(x, y);
      const Rgb c = RgbOf(ink);
      out.insert(out.end(),
                 {c.b, c.g, c.r, static_cast<std::uint8_t>(ink == Ink::Clear ? 0 : 255)});
    }
  }
  const int rowBytes = (width + 31) / 32 * 4;
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      if (picture.at(x, y) == Ink::Clear) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<Canvas>& pictures) {
  Bytes out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // an icon, not a cursor
  PutLe16(out, static_cast<std::uint32_t>(pictures.size()));
  std::vector<Bytes> images;
  for (const Canvas& picture : pictures) images.push_back(IconImage(picture));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(pictures.size());
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    // A side of 256 is written as 0.
    out.push_back(static_cast<std::uint8_t>(pictures[i].width() & 0xFF));
    out.push_back(static_cast<std::uint8_t>(pictures[i].height() & 0xFF));
    out.push_back(0);  // not a palette picture
    out.push_back(0);  // reserved
    PutLe16(out, 1);   // planes
    PutLe16(out, 32);  // bits per pixel
    PutLe32(out, static_cast<std::uint32_t>(images[i].size()));
    PutLe32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace datagen
