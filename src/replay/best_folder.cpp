#include "replay/best_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/file_system.h"
#include "common/warning.h"
#include "desktop/user_dirs.h"
#include "replay/script_file.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

bool Printable(std::string_view name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// The file name of a replay: its date, then its score ("20250601-123005-4300").
std::string FileStem(const ReplayHeader& header) {
  std::string stem;
  std::copy_if(header.date.begin(), header.date.end(), std::back_inserter(stem),
               [](char c) { return c >= '0' && c <= '9'; });
  stem.insert(8, 1, '-');
  return stem + "-" + std::to_string(header.score);
}

// The warning for a file of the best folder that is left out, or nothing.
std::optional<std::string> AddFile(const fs::directory_entry& entry, BestTable& table) {
  const std::string name = entry.path().filename().string();
  // Replays only: not hidden files, nor the temporary file of a save cut short.
  if (name.starts_with('.') || !name.ends_with(".script")) return std::nullopt;
  // Such a name is not repeated, lest it send control sequences to the terminal.
  if (!Printable(name)) {
    return entry.path().parent_path().string() +
           ": a file whose name has unprintable bytes is skipped";
  }
  const std::string path = entry.path().string();
  std::error_code ec;
  if (entry.symlink_status(ec).type() != fs::file_type::regular) {
    return path + ": skipped, not a regular file";
  }
  std::string error;
  const auto text = ReadScriptFile(path, error);
  if (!text) return error + "; skipped";
  auto replay = ParseReplay(*text);
  if (const auto* refusal = std::get_if<std::string>(&replay)) {
    return path + ": skipped, not a replay (" + *refusal + ")";
  }
  table.Add(BestGame{std::get<Replay>(replay).header, name});
  return std::nullopt;
}

}  // namespace

std::string BestFolder() {
  const fs::path data = DataDir();
  return data.empty() ? std::string() : (data / "best").string();
}

LoadedBest LoadBestFolder(const std::string& folder) {
  LoadedBest loaded;
  if (folder.empty()) return loaded;
  std::error_code ec;
  fs::directory_iterator entries(folder, ec);
  for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
    if (auto warning = AddFile(*entries, loaded.table)) loaded.warnings.push_back(*warning);
  }
  // No folder yet is no game kept yet.
  if (ec && ec != std::errc::no_such_file_or_directory) {
    loaded.warnings.push_back(folder + ": the best games cannot be read (" + ec.message() + ")");
  }
  return loaded;
}

BestTable LoadBestTable(const std::string& folder) {
  LoadedBest loaded = LoadBestFolder(folder);
  for (const std::string& warning : loaded.warnings) Warn(warning);
  return std::move(loaded.table);
}

std::optional<std::string> SaveReplay(const std::string& folder, const ReplayHeader& header,
                                      std::string_view text, std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = folder + ": cannot be made (" + ec.message() + ")";
    return std::nullopt;
  }
  // Two games cannot end in the same second of one run, but two runs can.
  constexpr int kTries = 100;
  const std::string stem = FileStem(header);
  for (int n = 1; n <= kTries; ++n) {
    std::string name = stem;
    if (n > 1) name.append("-").append(std::to_string(n));
    name += ".script";
    const std::string path = folder + "/" + name;
    if (fs::exists(path, ec)) continue;
    if (auto why = WriteFileWhole(path, text)) {
      error = path + ": cannot be written (" + *why + ")";
      return std::nullopt;
    }
    return name;
  }
  error = folder + ": no free name for " + stem + ".script";
  return std::nullopt;
}

}  // namespace ridgeline
