#include "common/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/path_text.h"

namespace ridgeline {

int CreateFileBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::filesystem::path stem = target;
  stem += ".part-";
  stem += std::to_string(ProcessNumber());
  temporary = stem;
  for (int attempt = 1;; ++attempt) {
    const int descriptor = CreateNewFile(temporary);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
    temporary = stem;
    temporary += ".";
    temporary += std::to_string(attempt);
  }
}

namespace {

// Writes `text` to a new file beside `target`, synced to the disk; returns its
// name. On failure nothing is left and `why` says why.
std::optional<std::filesystem::path> WriteBeside(const std::filesystem::path& target,
                                                 std::string_view text, std::string& why) {
  std::filesystem::path temporary;
  const int descriptor = CreateFileBeside(target, temporary);
  if (descriptor < 0) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  std::FILE* out = StreamOn(descriptor, "wb");
  // On disk before it takes the target's place, so that a crash leaves the
  // old file or the new one, never an empty one.
  const bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size() &&
                       std::fflush(out) == 0 && SyncToDisk(descriptor);
  const int writeErrno = errno;
  const bool closed = out ? std::fclose(out) == 0 : CloseDescriptor(descriptor);
  if (written && closed) return temporary;
  why = std::strerror(written ? errno : writeErrno);
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteFileWhole(const std::filesystem::path& target,
                                          std::string_view text) {
  std::string why;
  const auto temporary = WriteBeside(target, text, why);
  if (!temporary) return why;
  if (PutInPlace(*temporary, target)) return std::nullopt;
  why = std::strerror(errno);
  std::error_code ignored;
  std::filesystem::remove(*temporary, ignored);
  return why;
}

std::optional<std::filesystem::path> WriteNewFileWhole(
    const std::filesystem::path& dir, const std::function<std::string(int)>& nameOf, int copies,
    std::string_view text, std::string& why) {
  const auto temporary = WriteBeside(dir / PathFromUtf8(nameOf(1)), text, why);
  if (!temporary) return std::nullopt;
  int number = EEXIST;
  for (int copy = 1; copy <= copies && number == EEXIST; ++copy) {
    const std::filesystem::path path = dir / PathFromUtf8(nameOf(copy));
    if (PutInPlaceAsNew(*temporary, path)) return path;
    number = errno;
  }
  why = std::strerror(number);
  std::error_code ignored;
  std::filesystem::remove(*temporary, ignored);
  return std::nullopt;
}

bool IsUnder(const std::filesystem::path& file, const std::filesystem::path& dir) {
  auto [dirEnd, fileAt] = std::mismatch(dir.begin(), dir.end(), file.begin(), file.end());
  return dirEnd == dir.end() && fileAt != file.end();
}

}  // namespace ridgeline
