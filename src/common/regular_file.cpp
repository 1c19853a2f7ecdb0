#include "common/regular_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/file_system.h"

namespace ridgeline {

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
  // Opening a FIFO does not wait for a writer: the check below refuses it.
  const int descriptor = OpenForReading(path);
  if (descriptor < 0) {
    why = std::strerror(errno);
    return {};
  }
  ReadableFile file(descriptor, 0);
  const auto size = RegularFileSize(descriptor, why);
  if (!size) return {};
  return ReadableFile(file.Release(), *size);
}

}  // namespace ridgeline
