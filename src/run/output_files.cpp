#include "run/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace ridgeline {

namespace fs = std::filesystem;

namespace {

// What a file is for telling two names of it apart: its device and inode
// where it exists, else the path it would be made at.
struct Identity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  fs::path resolved;
  bool special = false;  // a device, a pipe, a directory: never replaced

  bool operator==(const Identity& other) const {
    return exists == other.exists &&
           (exists ? device == other.device && inode == other.inode : resolved == other.resolved);
  }
};

Identity IdentityOf(const std::string& name) {
  Identity identity;
  std::error_code ignored;
  identity.resolved = fs::weakly_canonical(fs::absolute(name, ignored), ignored);
  struct stat status {};
  if (stat(name.c_str(), &status) == 0) {
    identity.exists = true;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.special = !S_ISREG(status.st_mode);
  }
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

OutputFile::OutputFile(std::string name, std::string temporary, std::FILE* stream)
    : name_(std::move(name)), temporary_(std::move(temporary)), stream_(stream) {}

std::unique_ptr<OutputFile> OutputFile::Create(const std::string& name, std::string& error) {
  auto fail = [&](int number) {
    error = name + ": cannot be written (" + std::strerror(number) + ")";
    return nullptr;
  };
  struct stat status {};
  const bool exists = stat(name.c_str(), &status) == 0;
  std::error_code unresolved;
  const fs::path existing = exists ? fs::canonical(name, unresolved) : fs::path();
  // Not ours to replace: a device or a pipe, and any file reached through
  // /dev or /proc (/dev/stdout sent to a file). Written in place, as they
  // are; a directory fails here.
  std::error_code ignored;
  const fs::path named = fs::absolute(name, ignored).lexically_normal();
  if (exists && (!S_ISREG(status.st_mode) || unresolved || IsUnder(named, "/dev") ||
                 IsUnder(named, "/proc"))) {
    std::FILE* stream = std::fopen(name.c_str(), "wb");
    if (!stream) return fail(errno);
    return std::unique_ptr<OutputFile>(new OutputFile(name, "", stream));
  }
  // Replacing a file is no licence to overwrite one that may not be written.
  if (exists && access(existing.c_str(), W_OK) != 0) return fail(errno);

  const std::string target = exists ? existing.string() : name;
  const std::string stem = target + ".part-" + std::to_string(getpid());
  std::string temporary = stem;
  int descriptor = -1;
  for (int attempt = 1; descriptor < 0; ++attempt) {
    descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) return fail(errno);
    if (descriptor < 0) temporary = stem + "." + std::to_string(attempt);
  }
  // The file that takes an existing one's place keeps its permissions.
  if (exists) fchmod(descriptor, status.st_mode & 07777);
  std::FILE* stream = fdopen(descriptor, "wb");
  if (!stream) {
    const int number = errno;
    close(descriptor);
    unlink(temporary.c_str());
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
  if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    return fail("could not be put in place" + reason(errno));
  }
  temporary_.clear();
  return true;
}

void OutputFile::Discard() {
  if (stream_) std::fclose(std::exchange(stream_, nullptr));
  if (!temporary_.empty()) unlink(std::exchange(temporary_, {}).c_str());
}

}  // namespace ridgeline
