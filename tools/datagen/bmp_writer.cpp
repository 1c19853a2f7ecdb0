#include "bmp_writer.h"

namespace datagen {

Bytes EncodeBmp(const Canvas& picture) {
  constexpr std::uint32_t kHeaderSize = 14 + 40;
  const std::uint32_t row_size = (static_cast<std::uint32_t>(picture.width()) * 3 + 3) & ~3u;
  const std::uint32_t data_size = row_size * static_cast<std::uint32_t>(picture.height());
  Bytes out;
  out.reserve(kHeaderSize + data_size);
  // File header.
  PutText(out, "BM");
  PutLe32(out, kHeaderSize + data_size);
  PutLe32(out, 0);
  PutLe32(out, kHeaderSize);
  // BITMAPINFOHEADER: positive height means rows are stored bottom-up.
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(picture.width()));
  PutLe32(out, static_cast<std::uint32_t>(picture.height()));
  PutLe16(out, 1);   // planes
  PutLe16(out, 24);  // bits per pixel
  PutLe32(out, 0);   // no compression
  PutLe32(out, data_size);
  PutLe32(out, 2835);  // 72 dots per inch, in dots per metre
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = picture.height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Rgb c = RgbOf(picture.at(x, y));
      out.insert(out.end(), {c.b, c.g, c.r});
    }
    out.resize(out.size() + (row_size - static_cast<std::uint32_t>(picture.width()) * 3), 0);
  }
  return out;
}

}  // namespace datagen
