#include "run/output_files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "common/file_system.h"

namespace ridgeline {

namespace fs = std::filesystem;

namespace {

// What a file is for telling two names of it apart: the system's identity
// where it exists, else the path it would be made at.
struct Identity {
  std::optional<FileIdentity> existing;
  fs::path resolved;
  bool special = false;  // a device, a pipe, a directory: never replaced

  bool operator==(const Identity& other) const {
    return existing.has_value() == other.existing.has_value() &&
           (existing ? *existing == *other.existing : resolved == other.resolved);
  }
};

Identity IdentityOf(const fs::path& name) {
  Identity identity;
  std::error_code ignored;
  identity.resolved = fs::weakly_canonical(fs::absolute(name, ignored), ignored);
  identity.existing = IdentityOfFile(name);
  identity.special = identity.existing && !identity.existing->regular;
  return identity;
}

// A file whose name starts with `dir`'s, element by element.
bool IsUnder(const fs::path& file, const fs::path& dir) {
  auto [dirEnd, fileAt] = std::mismatch(dir.begin(), dir.end(), file.begin(), file.end());
  return dirEnd == dir.end() && fileAt != file.end();
}

// Every file of the game's data, by identity, to catch one reached through a
// hard link from elsewhere.
std::vector<Identity> DataFiles(const fs::path& dataDir) {
  std::vector<Identity> files;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(dataDir, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_regular_file(error)) files.push_back(IdentityOf(entry->path()));
  }
  return files;
}

}  // namespace

std::optional<std::string> OutputClash(const Options& options, const std::string& dataDir) {
  std::vector<std::pair<std::string, std::string>> outputs;  // (option, file)
  if (!options.trace.empty()) outputs.emplace_back("--trace", options.trace);
  if (!options.record.empty()) outputs.emplace_back("--record", options.record);
  for (const auto& [pass, file] : options.dumpFrames) outputs.emplace_back("--dump-frame", file);

  std::error_code ignored;
  const fs::path data = fs::weakly_canonical(fs::absolute(dataDir, ignored), ignored);
  const std::vector<Identity> dataFiles = DataFiles(data);
  const std::optional<Identity> input =
      options.input.empty() ? std::nullopt : std::optional(IdentityOf(options.input));
  std::vector<Identity> earlier;
  for (const auto& [option, file] : outputs) {
    const Identity output = IdentityOf(file);
    const std::string overwrite = option + " " + file + " would overwrite ";
    if (output.special) {
      earlier.push_back({});
      continue;
    }
    if (input && output == *input) return overwrite + "the --input file " + options.input;
    if (IsUnder(output.resolved, data) ||
        std::find(dataFiles.begin(), dataFiles.end(), output) != dataFiles.end()) {
      return overwrite + "the game's data in " + data.string();
    }
    for (std::size_t i = 0; i < earlier.size(); ++i) {
      if (earlier[i].resolved.empty() || !(earlier[i] == output)) continue;
      return overwrite + "the " + outputs[i].first + " file " + outputs[i].second;
    }
    earlier.push_back(output);
  }
  return std::nullopt;
}

OutputFile::OutputFile(std::string name, fs::path temporary, std::FILE* stream)
    : name_(std::move(name)), temporary_(std::move(temporary)), stream_(stream) {}

std::unique_ptr<OutputFile> OutputFile::Create(const std::string& name, std::string& error) {
  auto fail = [&](int number) {
    error = name + ": cannot be written (" + std::strerror(number) + ")";
    return nullptr;
  };
  std::error_code unknown;
  const fs::file_status status = fs::status(name, unknown);
  const bool exists = fs::exists(status);
  std::error_code unresolved;
  const fs::path existing = exists ? fs::canonical(name, unresolved) : fs::path();
  // Not ours to replace: a device or a pipe, and any file reached through
  // /dev or /proc (/dev/stdout sent to a file). Written in place, as they
  // are; a directory fails here.
  std::error_code ignored;
  const fs::path named = fs::absolute(name, ignored).lexically_normal();
  if (exists && (!fs::is_regular_file(status) || unresolved || IsUnder(named, "/dev") ||
                 IsUnder(named, "/proc"))) {
    std::FILE* stream = std::fopen(name.c_str(), "wb");
    if (!stream) return fail(errno);
    return std::unique_ptr<OutputFile>(new OutputFile(name, "", stream));
  }
  // Replacing a file is no licence to overwrite one that may not be written.
  if (exists && !MayWrite(existing)) return fail(errno);

  const fs::path target = exists ? existing : fs::path(name);
  fs::path temporary;
  const int descriptor = CreateFileBeside(target, temporary);
  if (descriptor < 0) return fail(errno);
  // The file that takes an existing one's place keeps its permissions.
  if (exists) fs::permissions(temporary, status.permissions(), ignored);
  std::FILE* stream = fdopen(descriptor, "wb");
  if (!stream) {
    const int number = errno;
    close(descriptor);
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
