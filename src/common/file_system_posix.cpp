#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/file_system.h"

namespace ridgeline {

int OpenForReading(const std::filesystem::path& path) {
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int CreateNewFile(const std::filesystem::path& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

std::FILE* StreamOn(int descriptor, const char* mode) {
  return fdopen(descriptor, mode);
}

long ReadSome(int descriptor, char* into, std::size_t size) {
  for (;;) {
    const ssize_t got = read(descriptor, into, size);
    if (got >= 0 || errno != EINTR) return static_cast<long>(got);
  }
}

bool CloseDescriptor(int descriptor) {
  return close(descriptor) == 0;
}

std::optional<std::uint64_t> RegularFileSize(int descriptor, std::string& why) {
  struct stat status {};
  if (fstat(descriptor, &status) != 0) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  if (S_ISREG(status.st_mode)) return static_cast<std::uint64_t>(status.st_size);
  if (S_ISDIR(status.st_mode)) {
    why = std::strerror(EISDIR);
  } else {
    why = std::string(S_ISFIFO(status.st_mode)   ? "a FIFO"
                      : S_ISCHR(status.st_mode)  ? "a character device"
                      : S_ISBLK(status.st_mode)  ? "a block device"
                      : S_ISSOCK(status.st_mode) ? "a socket"
                                                 : "a special file") +
          ", not a regular file";
  }
  return std::nullopt;
}

std::uint64_t ProcessNumber() {
  return static_cast<std::uint64_t>(getpid());
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
  // A file system without hard links (FAT, or the page's own, which says
  // EMLINK) can only be asked first.
  if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP && errno != EMLINK) return false;
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
