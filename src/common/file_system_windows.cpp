#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "common/file_system.h"

namespace ridgeline {

int OpenForReading(const std::filesystem::path& path) {
  return _wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int CreateNewFile(const std::filesystem::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}

std::FILE* StreamOn(int descriptor, const char* mode) {
  return _fdopen(descriptor, mode);
}

long ReadSome(int descriptor, char* into, std::size_t size) {
  // _read takes at most INT_MAX bytes at a time.
  const unsigned int most = static_cast<unsigned int>(std::min<std::size_t>(size, INT_MAX));
  return _read(descriptor, into, most);
}

bool CloseDescriptor(int descriptor) {
  return _close(descriptor) == 0;
}

std::optional<std::uint64_t> RegularFileSize(int descriptor, std::string& why) {
  struct _stat64 status {};
  if (_fstat64(descriptor, &status) != 0) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  const auto kind = status.st_mode & _S_IFMT;
  if (kind == _S_IFREG) return static_cast<std::uint64_t>(status.st_size);
  if (kind == _S_IFDIR) {
    why = std::strerror(EISDIR);
  } else {
    why = std::string(kind == _S_IFIFO   ? "a FIFO"
                      : kind == _S_IFCHR ? "a character device"
                                         : "a special file") +
          ", not a regular file";
  }
  return std::nullopt;
}

std::uint64_t ProcessNumber() {
  return GetCurrentProcessId();
}

bool PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  // The C library's rename refuses to replace a file that exists.
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}

bool PutInPlaceAsNew(const std::filesystem::path& from, const std::filesystem::path& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when `to` is there.
  if (MoveFileExW(from.c_str(), to.c_str(), 0)) return true;
  const DWORD failure = GetLastError();
  errno = failure == ERROR_ALREADY_EXISTS || failure == ERROR_FILE_EXISTS ? EEXIST
          : failure == ERROR_ACCESS_DENIED                                ? EACCES
                                                                          : EIO;
  return false;
}

bool SyncToDisk(int descriptor) {
  return _commit(descriptor) == 0;
}

bool MayWrite(const std::filesystem::path& path) {
  return _waccess(path.c_str(), 2) == 0;
}

std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path) {
  // No access asked for: enough to read what the file is. A directory opens
  // only with backup semantics.
  const HANDLE handle =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  FileIdentity identity;
  BY_HANDLE_FILE_INFORMATION information{};
  // A device (NUL, CON) has no file number; it is never regular.
  if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information)) {
    identity.volume = information.dwVolumeSerialNumber;
    identity.number =
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    identity.regular = !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  CloseHandle(handle);
  return identity;
}

}  // namespace ridgeline
