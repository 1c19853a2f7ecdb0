#include "common/file_system.h"

#include <unistd.h>

#include <cerrno>
#include <string>

namespace ridgeline {

int CreateFileBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::filesystem::path stem = target;
  stem += ".part-";
  stem += std::to_string(getpid());
  temporary = stem;
  for (int attempt = 1;; ++attempt) {
    const int descriptor = CreateNewFile(temporary);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
    temporary = stem;
    temporary += ".";
    temporary += std::to_string(attempt);
  }
}

}  // namespace ridgeline
