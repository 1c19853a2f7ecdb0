#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "common/file_system.h"

namespace ridgeline {

int OpenForReading(const std::filesystem::path& path) {
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int CreateNewFile(const std::filesystem::path& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PutInPlaceAsNew(const std::filesystem::path& from, const std::filesystem::path& to) {
  // A second name made only where there is none, then the first one dropped.
  if (link(from.c_str(), to.c_str()) == 0) {
    // The file is in place whatever becomes of its first name.
    unlink(from.c_str());
    return true;
  }
  // A file system without hard links (FAT) can only be asked first.
  if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP) return false;
  struct stat status {};
  if (lstat(to.c_str(), &status) == 0) {
    errno = EEXIST;
    return false;
  }
  return PutInPlace(from, to);
}

bool SyncToDisk(int descriptor) {
  return fsync(descriptor) == 0;
}

bool MayWrite(const std::filesystem::path& path) {
  return access(path.c_str(), W_OK) == 0;
}

std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino), S_ISREG(status.st_mode)};
}

}  // namespace ridgeline
