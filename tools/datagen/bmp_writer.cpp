#include "bmp_writer.h"

namespace datagen {

Bytes encode_bmp(const Image& image) {
  constexpr std::uint32_t kHeaderSize = 14 + 40;
  const std::uint32_t row_size = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t data_size = row_size * static_cast<std::uint32_t>(image.height);
  Bytes out;
  out.reserve(kHeaderSize + data_size);
  // File header.
  put_text(out, "BM");
  put_le32(out, kHeaderSize + data_size);
  put_le32(out, 0);
  put_le32(out, kHeaderSize);
  // BITMAPINFOHEADER: positive height means rows are stored bottom-up.
  put_le32(out, 40);
  put_le32(out, static_cast<std::uint32_t>(image.width));
  put_le32(out, static_cast<std::uint32_t>(image.height));
  put_le16(out, 1);   // planes
  put_le16(out, 24);  // bits per pixel
  put_le32(out, 0);   // no compression
  put_le32(out, data_size);
  put_le32(out, 2835);  // 72 dots per inch, in dots per metre
  put_le32(out, 2835);
  put_le32(out, 0);
  put_le32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.at(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
    }
    out.resize(out.size() + (row_size - static_cast<std::uint32_t>(image.width) * 3), 0);
  }
  return out;
}

}  // namespace datagen
