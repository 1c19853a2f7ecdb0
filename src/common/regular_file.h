#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// What ReadRegularFile says of a file larger than it may read.
inline constexpr std::string_view kTooLarge = "too large";

// Reads the regular file `path` whole, as OpenRegularFile opens it. A file
// that holds more than `largest` bytes is refused without reading it, with
// `why` set to kTooLarge, and one that grows as it is read stops there all
// the same. On any other failure, `why` says why.
std::optional<std::string> ReadRegularFile(const std::string& path, std::uint64_t largest,
                                           std::string& why);

// The first `bytes` bytes of the regular file `path`, or all of it when it is
// shorter; on failure nothing, with `why` saying why.
std::optional<std::string> ReadRegularFileStart(const std::string& path, std::size_t bytes,
                                                std::string& why);

}  // namespace ridgeline
