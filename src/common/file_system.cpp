#include "common/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

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

std::optional<std::string> WriteFileWhole(const std::filesystem::path& target,
                                          std::string_view text) {
  std::filesystem::path temporary;
  const int descriptor = CreateFileBeside(target, temporary);
  if (descriptor < 0) return std::strerror(errno);
  std::FILE* out = StreamOn(descriptor, "wb");
  // On disk before it takes the target's place, so that a crash leaves the
  // old file or the new one, never an empty one.
  const bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size() &&
                       std::fflush(out) == 0 && SyncToDisk(descriptor);
  const int writeErrno = errno;
  const bool closed = out ? std::fclose(out) == 0 : CloseDescriptor(descriptor);
  if (!written || !closed || !PutInPlace(temporary, target)) {
    const std::string reason = std::strerror(written ? errno : writeErrno);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return reason;
  }
  return std::nullopt;
}

bool IsUnder(const std::filesystem::path& file, const std::filesystem::path& dir) {
  auto [dirEnd, fileAt] = std::mismatch(dir.begin(), dir.end(), file.begin(), file.end());
  return dirEnd == dir.end() && fileAt != file.end();
}

}  // namespace ridgeline
