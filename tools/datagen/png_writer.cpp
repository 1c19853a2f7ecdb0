#include "png_writer.h"

#include <algorithm>
#include <array>

namespace datagen {
namespace {

std::uint32_t Crc32(Bytes::const_iterator begin, Bytes::const_iterator end) {
  static const std::array<std::uint32_t, 256> kTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int bit = 0; bit < 8; ++bit) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    return table;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (auto byte = begin; byte != end; ++byte) crc = kTable[(crc ^ *byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data) {
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

// Length, type, data and the CRC of type and data.
void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBe32(out, static_cast<std::uint32_t>(data.size()));
  const auto start = out.end() - out.begin();
  PutText(out, type);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, Crc32(out.begin() + start, out.end()));
}

// A zlib stream of stored (uncompressed) deflate blocks: icons are small, and
// the package that carries them is compressed as a whole.
Bytes StoredZlib(const Bytes& data) {
  constexpr std::size_t kMaxBlock = 65535;
  Bytes out{0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kMaxBlock, data.size() - at);
    out.push_back(at + length == data.size() ? 1 : 0);  // last block?
    PutLe16(out, static_cast<std::uint32_t>(length));
    PutLe16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < data.size());
  PutBe32(out, Adler32(data));
  return out;
}

}  // namespace

Bytes EncodePng(const Canvas& picture) {
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBe32(header, static_cast<std::uint32_t>(picture.width()));
  PutBe32(header, static_cast<std::uint32_t>(picture.height()));
  // 8 bits per index, colour type 3 (palette), deflate, filters of kind 0, not interlaced.
  header.insert(header.end(), {8, 3, 0, 0, 0});
  PutChunk(out, "IHDR", header);
  Bytes palette;
  for (int ink = 0; ink < kInkCount; ++ink) {
    const Rgb c = RgbOf(static_cast<Ink>(ink));
    palette.insert(palette.end(), {c.r, c.g, c.b});
  }
  PutChunk(out, "PLTE", palette);
  // Alpha of the first entries only; the rest are opaque.
  static_assert(static_cast<int>(Ink::Clear) == 0);
  PutChunk(out, "tRNS", Bytes{0});
  Bytes rows;
  for (int y = 0; y < picture.height(); ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < picture.width(); ++x) {
      rows.push_back(static_cast<std::uint8_t>(picture.at(x, y)));
    }
  }
  PutChunk(out, "IDAT", StoredZlib(rows));
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace datagen
