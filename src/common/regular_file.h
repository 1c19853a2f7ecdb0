#pragma once

#include <cstdint>
#include <string>

namespace ridgeline {

// A file open for reading, closed when it goes.
class ReadableFile {
 public:
  ReadableFile() = default;
  ReadableFile(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}
  ~ReadableFile();
  ReadableFile(ReadableFile&& other) noexcept;
  ReadableFile& operator=(ReadableFile&& other) noexcept;

  bool IsOpen() const { return descriptor_ >= 0; }
  int Descriptor() const { return descriptor_; }
  // The size when it was opened.
  std::uint64_t Size() const { return size_; }
  // Hands the descriptor over to the caller, who closes it.
  int Release();

 private:
  int descriptor_ = -1;
  std::uint64_t size_ = 0;
};

// Opens `path` for reading when it is a regular file. A FIFO, a device or a
// directory in its place is refused before anything is read: opening a FIFO
// for reading waits for a writer, and a device may never end. On failure the
// file is not open and `why` says why, in the system's words where it has
// them ("Permission denied", "Too many levels of symbolic links").
ReadableFile OpenRegularFile(const std::string& path, std::string& why);

}  // namespace ridgeline
