#include "media/files/bitmap_check.h"

#include <cstdint>
#include <cstdlib>

#include "media/files/sdl_file.h"

namespace ridgeline {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the oldest form, 16-bit sizes
constexpr std::uint32_t kInfoHeader = 40;  // and every later form, which begins like it

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct Header {
  std::int64_t width = 0;
  std::int64_t rows = 0;
  unsigned bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t pixelsAt = 0;
};

std::optional<std::string> Read(const unsigned char* bytes, std::size_t length, Header& header) {
  if (length < kFileHeader + 4 || bytes[0] != 'B' || bytes[1] != 'M') return "not a bitmap file";
  header.pixelsAt = Le32(bytes + 10);
  const std::uint32_t infoSize = Le32(bytes + kFileHeader);
  const unsigned char* info = bytes + kFileHeader;
  if (infoSize == kCoreHeader) {
    if (length < kFileHeader + kCoreHeader) return "cut short in its header";
    header.width = Le16(info + 4);
    header.rows = Le16(info + 6);
    header.bitsPerPixel = Le16(info + 10);
    return std::nullopt;
  }
  if (infoSize < kInfoHeader) return "unknown header form (" + std::to_string(infoSize) + " bytes)";
  if (length < kFileHeader + kInfoHeader) return "cut short in its header";
  header.width = static_cast<std::int32_t>(Le32(info + 4));
  // A negative height stores the rows top-down.
  header.rows = std::llabs(static_cast<std::int32_t>(Le32(info + 8)));
  header.bitsPerPixel = Le16(info + 14);
  header.compression = Le32(info + 16);
  return std::nullopt;
}

bool DepthReadable(unsigned bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionReadable(std::uint32_t compression, unsigned bits) {
  switch (compression) {
    case kRgb:
      return true;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

std::optional<std::string> Check(const Header& h, std::int64_t fileSize) {
  const std::string size = std::to_string(h.width) + " x " + std::to_string(h.rows);
  if (h.width <= 0 || h.rows == 0) return "the picture has no pixels (" + size + ")";
  if (!DepthReadable(h.bitsPerPixel)) {
    return std::to_string(h.bitsPerPixel) + " bits per pixel is not a depth the game reads";
  }
  if (!CompressionReadable(h.compression, h.bitsPerPixel)) {
    return "compression " + std::to_string(h.compression) + " is not supported";
  }
  if (h.width > kMaxBitmapSide || h.rows > kMaxBitmapSide || h.width * h.rows > kMaxBitmapPixels) {
    return size + " pixels is larger than the game takes (" + std::to_string(kMaxBitmapPixels) +
           " pixels, " + std::to_string(kMaxBitmapSide) + " on a side)";
  }
  if (h.compression == kRgb || h.compression == kBitFields) {
    // Rows are padded to four bytes; the last row's padding may be left out.
    const std::int64_t rowBytes = (h.width * h.bitsPerPixel + 7) / 8;
    const std::int64_t needed = h.pixelsAt + (rowBytes + 3) / 4 * 4 * (h.rows - 1) + rowBytes;
    if (needed > fileSize) {
      return "cut short: its rows need " + std::to_string(needed) + " bytes, the file holds " +
             std::to_string(fileSize);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> BitmapRefusal(SDL_RWops& file) {
  const Sint64 start = SDL_RWtell(&file);
  const Sint64 fileSize = SDL_RWsize(&file);
  unsigned char bytes[kFileHeader + kInfoHeader] = {};
  const std::size_t length = SDL_RWread(&file, bytes, 1, sizeof bytes);
  SDL_RWseek(&file, start, RW_SEEK_SET);
  if (start < 0 || fileSize < 0) return "cannot be read";

  Header header;
  if (auto why = Read(bytes, length, header)) return why;
  return Check(header, fileSize - start);
}

}  // namespace ridgeline
