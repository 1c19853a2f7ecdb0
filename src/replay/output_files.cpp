#include "replay/output_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "common/file_system.h"
#include "common/path_text.h"

namespace ridgeline {

namespace fs = std::filesystem;

OutputFile::OutputFile(std::string name, fs::path temporary, std::FILE* stream)
    : name_(std::move(name)), temporary_(std::move(temporary)), stream_(stream) {}

std::unique_ptr<OutputFile> OutputFile::Create(const std::string& name, std::string& error) {
  auto fail = [&](int number) {
    error = name + ": cannot be written (" + std::strerror(number) + ")";
    return nullptr;
  };
  const fs::path path = PathFromUtf8(name);
  std::error_code unknown;
  const fs::file_status status = fs::status(path, unknown);
  // A device is known by what the system says of the file: Windows' NUL
  // and CON have no status.
  const auto identity = IdentityOfFile(path);
  const bool exists = fs::exists(status) || identity;
  std::error_code unresolved;
  const fs::path existing = exists ? fs::canonical(path, unresolved) : fs::path();
  // Not ours to replace: a device or a pipe, and any file reached through
  // /dev or /proc (/dev/stdout sent to a file). Written in place, as they
  // are; a directory fails here.
  std::error_code ignored;
  const fs::path named = fs::absolute(path, ignored).lexically_normal();
  if (exists && (!identity || !identity->regular || unresolved || IsUnder(named, "/dev") ||
                 IsUnder(named, "/proc"))) {
    std::FILE* stream = std::fopen(name.c_str(), "wb");
    if (!stream) return fail(errno);
    return std::unique_ptr<OutputFile>(new OutputFile(name, "", stream));
  }
  // Replacing a file is no licence to overwrite one that may not be written.
  if (exists && !MayWrite(existing)) return fail(errno);

  const fs::path target = exists ? existing : path;
  fs::path temporary;
  const int descriptor = CreateFileBeside(target, temporary);
  if (descriptor < 0) return fail(errno);
  // The file that takes an existing one's place keeps its permissions.
  if (exists) fs::permissions(temporary, status.permissions(), ignored);
  std::FILE* stream = StreamOn(descriptor, "wb");
  if (!stream) {
    const int number = errno;
    CloseDescriptor(descriptor);
    fs::remove(temporary, ignored);
    return fail(number);
  }
  std::unique_ptr<OutputFile> file(new OutputFile(name, temporary, stream));
  file->target_ = target;
  return file;
}

OutputFile::~OutputFile() {
  Discard();
}

std::optional<std::string> OutputFile::WriteAll(const void* bytes, std::size_t size) {
  if (std::fwrite(bytes, 1, size, stream_) == size && std::fflush(stream_) == 0) {
    return std::nullopt;
  }
  std::string why = std::strerror(errno);
  Discard();
  return why;
}

bool OutputFile::Keep(std::string& error) {
  if (!stream_) return true;
  auto fail = [&](const std::string& what) {
    if (error.empty()) error = name_ + ": " + what;
    Discard();
    return false;
  };
  auto reason = [](int number) { return std::string(" (") + std::strerror(number) + ")"; };
  // Flushed first, so that a failure in what was still held has its reason;
  // one in an earlier write has none left to tell.
  if (std::fflush(stream_) != 0) return fail("could not be written in full" + reason(errno));
  if (std::ferror(stream_)) return fail("could not be written in full");
  if (std::fclose(std::exchange(stream_, nullptr)) != 0) {
    return fail("could not be written in full" + reason(errno));
  }
  if (!temporary_.empty() && !PutInPlace(temporary_, target_)) {
    return fail("could not be put in place" + reason(errno));
  }
  temporary_.clear();
  return true;
}

void OutputFile::Discard() {
  if (stream_) std::fclose(std::exchange(stream_, nullptr));
  std::error_code ignored;
  if (!temporary_.empty()) fs::remove(std::exchange(temporary_, {}), ignored);
}

}  // namespace ridgeline
