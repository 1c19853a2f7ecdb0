#include "common/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/file_system.h"
#include "common/path_text.h"

namespace ridgeline {

namespace {

// What a file that is neither regular nor a folder is, for a message.
const char* KindOf(std::filesystem::file_type type) {
  using Type = std::filesystem::file_type;
  if (type == Type::fifo) return "a FIFO";
  if (type == Type::character) return "a character device";
  if (type == Type::block) return "a block device";
  if (type == Type::socket) return "a socket";
  return "a special file";
}

// A file that is there and is neither regular, nor a folder, nor a link
// left dangling.
bool IsSpecial(std::filesystem::file_type type) {
  using Type = std::filesystem::file_type;
  return type != Type::regular && type != Type::directory && type != Type::not_found &&
         type != Type::none && type != Type::unknown;
}

}  // namespace

ReadableFile::~ReadableFile() {
  if (descriptor_ >= 0) CloseDescriptor(descriptor_);
}

ReadableFile::ReadableFile(ReadableFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

ReadableFile& ReadableFile::operator=(ReadableFile&& other) noexcept {
  std::swap(descriptor_, other.descriptor_);
  std::swap(size_, other.size_);
  return *this;
}

int ReadableFile::Release() {
  return std::exchange(descriptor_, -1);
}

ReadableFile OpenRegularFile(const std::string& path, std::string& why) {
  // A special file is refused before it is opened: where opening cannot be
  // told not to wait (Node's file calls drop O_NONBLOCK), a FIFO would wait
  // for a writer for ever. The check after opening covers a file that
  // changed in between.
  std::error_code unknown;
  const auto type = std::filesystem::status(PathFromUtf8(path), unknown).type();
  if (IsSpecial(type)) {
    why = std::string(KindOf(type)) + ", not a regular file";
    return {};
  }
  const int descriptor = OpenForReading(PathFromUtf8(path));
  if (descriptor < 0) {
    why = std::strerror(errno);
    return {};
  }
  ReadableFile file(descriptor, 0);
  const auto size = RegularFileSize(descriptor, why);
  if (!size) return {};
  return ReadableFile(file.Release(), *size);
}

namespace {

// Reads `file` into `text` until its end or until `text` holds more than
// `most` bytes; returns false with `why` set when a read fails.
bool ReadUpTo(const ReadableFile& file, std::uint64_t most, std::string& text, std::string& why) {
  char block[1 << 16];
  while (text.size() <= most) {
    const long got = ReadSome(file.Descriptor(), block, sizeof block);
    if (got == 0) return true;
    if (got < 0) {
      why = std::strerror(errno);
      return false;
    }
    text.append(block, static_cast<std::size_t>(got));
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::uint64_t largest,
                                           std::string& why) {
  const ReadableFile file = OpenRegularFile(path, why);
  if (!file.IsOpen()) return std::nullopt;
  std::string text;
  if (file.Size() <= largest) {
    text.reserve(file.Size());
    if (!ReadUpTo(file, largest, text, why)) return std::nullopt;
  }
  if (text.size() > largest || file.Size() > largest) {
    why = kTooLarge;
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> ReadRegularFileStart(const std::string& path, std::size_t bytes,
                                                std::string& why) {
  const ReadableFile file = OpenRegularFile(path, why);
  if (!file.IsOpen()) return std::nullopt;
  std::string text;
  if (!ReadUpTo(file, bytes, text, why)) return std::nullopt;
  text.resize(std::min(text.size(), bytes));
  return text;
}

}  // namespace ridgeline
