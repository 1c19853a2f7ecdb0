#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ridgeline {

// The calls on files that each operating system makes its own way. Those that
// return a descriptor return -1 on failure and those that return bool return
// false, with errno saying why.

// Opens an existing file read-only, in binary mode, kept from child
// processes. Opening a FIFO does not wait for a writer.
int OpenForReading(const std::filesystem::path& path);

// Makes a new file and opens it for writing, in binary mode, kept from child
// processes; fails with EEXIST when something has the name already.
int CreateNewFile(const std::filesystem::path& path);

// Makes a new file beside `target`, named after it and this process
// (TARGET.part-PID, else TARGET.part-PID.1, ...), and opens it as
// CreateNewFile does. `temporary` gets its name.
int CreateFileBeside(const std::filesystem::path& target, std::filesystem::path& temporary);

// A stream on `descriptor` (mode "rb" or "wb"), which then belongs to the
// stream; on failure null, and the descriptor is still the caller's.
std::FILE* StreamOn(int descriptor, const char* mode);

// Reads up to `size` bytes from `descriptor` into `into`: how many it read,
// 0 at the end of the file, or -1 on failure.
long ReadSome(int descriptor, char* into, std::size_t size);

bool CloseDescriptor(int descriptor);

// The size of the open file `descriptor` when it is a regular file; when it
// is not, or cannot be told, nothing, and `why` says what it is or what
// failed ("a FIFO, not a regular file", "Is a directory").
std::optional<std::uint64_t> RegularFileSize(int descriptor, std::string& why);

// The number of this process, which tells its temporary files from those of
// another run.
std::uint64_t ProcessNumber();

// Writes `text` to `target` through a file beside it (CreateFileBeside),
// synced to the disk and then put in its place, so that `target` holds the
// old text or the new, whole, whatever happens. On failure the temporary file
// is gone and `target` as it was; returns why, in the system's words.
std::optional<std::string> WriteFileWhole(const std::filesystem::path& target,
                                          std::string_view text);

// Writes `text` whole, as WriteFileWhole does, under the first of the names
// nameOf(1), nameOf(2), ... nameOf(copies) in `dir` that nothing has. It never
// takes the place of a file, not even of one that another program made a
// moment before. Returns the path taken; on failure nothing, with `why` saying
// why ("File exists" when every name was taken).
std::optional<std::filesystem::path> WriteNewFileWhole(
    const std::filesystem::path& dir, const std::function<std::string(int)>& nameOf, int copies,
    std::string_view text, std::string& why);

// Puts `from` in the place of `to`, replacing a file there in one step.
bool PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Gives `from` the name `to` in one step, only when nothing has that name:
// fails with EEXIST when something has, however late it came.
bool PutInPlaceAsNew(const std::filesystem::path& from, const std::filesystem::path& to);

// Sends what was written to `descriptor` on to the disk.
bool SyncToDisk(int descriptor);

// Whether this process may write to the existing file `path`.
bool MayWrite(const std::filesystem::path& path);

// What tells two names of one file apart from two files: the volume and the
// file's number on it. `regular` is false for a directory, a device or a pipe.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t number = 0;
  bool regular = false;

  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && number == other.number;
  }
};

// The identity of the file `path` names, following links; nothing when there
// is no such file.
std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path);

// Whether `file`'s path starts with `dir`'s, element by element, and goes on.
bool IsUnder(const std::filesystem::path& file, const std::filesystem::path& dir);

}  // namespace ridgeline
