#include "app/output_clash.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/file_system.h"
#include "common/path_text.h"

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
  const fs::path data = fs::weakly_canonical(fs::absolute(PathFromUtf8(dataDir), ignored), ignored);
  const std::vector<Identity> dataFiles = DataFiles(data);
  const std::optional<Identity> input =
      options.input.empty() ? std::nullopt : std::optional(IdentityOf(PathFromUtf8(options.input)));
  std::vector<Identity> earlier;
  for (const auto& [option, file] : outputs) {
    const Identity output = IdentityOf(PathFromUtf8(file));
    const std::string overwrite = option + " " + file + " would overwrite ";
    if (output.special) {
      earlier.push_back({});
      continue;
    }
    if (input && output == *input) return overwrite + "the --input file " + options.input;
    if (IsUnder(output.resolved, data) ||
        std::find(dataFiles.begin(), dataFiles.end(), output) != dataFiles.end()) {
      return overwrite + "the game's data in " + Utf8FromPath(data);
    }
    for (std::size_t i = 0; i < earlier.size(); ++i) {
      if (earlier[i].resolved.empty() || !(earlier[i] == output)) continue;
      return overwrite + "the " + outputs[i].first + " file " + outputs[i].second;
    }
    earlier.push_back(output);
  }
  return std::nullopt;
}

}  // namespace ridgeline
