#include "replay/best_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/file_system.h"
#include "common/path_text.h"
#include "common/regular_file.h"
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

// As much of a replay as tells that a file is not one: its header and first
// lines. A file of the folder that fails there is not read further.
constexpr std::size_t kReplayStart = 64 * 1024;

// Why `start`, the first bytes of a file larger than them, cannot begin a
// replay; nothing when it may. Its last line, cut short, is read only for its
// length: the game writes no line of more than a few dozen bytes.
std::optional<std::string> NotReplayStart(std::string_view start) {
  constexpr std::size_t kLongestLine = 1024;
  const std::size_t lineEnd = start.rfind('\n');
  if (lineEnd == std::string_view::npos || start.size() - lineEnd > kLongestLine) {
    return "a line longer than " + std::to_string(kLongestLine) + " bytes";
  }
  auto replay = ParseReplay(start.substr(0, lineEnd + 1));
  if (const auto* refusal = std::get_if<std::string>(&replay)) {
    // The seed and the events may come after the start.
    if (*refusal != "it has no seed") return *refusal;
  }
  return std::nullopt;
}

// Reads the folder's file `name`, a replay, into `loaded`; `check` as
// LoadBestFolder has it.
void AddFile(const fs::directory_entry& entry, const ReplayCheck& check, LoadedBest& loaded) {
  const std::string name = Utf8FromPath(entry.path().filename());
  auto warn = [&loaded](std::string line) { loaded.warnings.push_back(std::move(line)); };
  // Replays only: not hidden files, nor the temporary file of a save cut short.
  if (name.starts_with('.') || !name.ends_with(".script")) return;
  // Such a name is not repeated, lest it send control sequences to the terminal.
  if (!Printable(name)) {
    return warn(Utf8FromPath(entry.path().parent_path()) +
                ": a file whose name has unprintable bytes is skipped");
  }
  const std::string path = Utf8FromPath(entry.path());
  std::error_code ec;
  if (entry.symlink_status(ec).type() != fs::file_type::regular) {
    return warn(path + ": skipped, not a regular file");
  }
  const BestIndex::Entry* known = loaded.index.FindByName(name);
  const bool seenVerified = known && known->verdict == BestIndex::Verdict::Verified;
  if (!check && !seenVerified) {
    loaded.unranked.push_back(UnrankedGame{name, known != nullptr});
    return;
  }
  std::string why;
  // A file too large to be a replay is refused on its size alone, below.
  const std::uintmax_t size = entry.file_size(ec);
  if (check && size > kReplayStart && size <= kLargestScript) {
    const auto start = ReadRegularFileStart(path, kReplayStart, why);
    if (!start) return warn(path + ": cannot be read (" + why + "); skipped");
    if (auto refusal = NotReplayStart(*start)) {
      return warn(path + ": skipped, not a replay (" + *refusal + ")");
    }
  }
  // A file that grew since it verified is another file.
  const auto text = ReadRegularFile(path, check ? kLargestScript : known->size, why);
  if (!text && why == kTooLarge && !check) {
    loaded.unranked.push_back(UnrankedGame{name, false});
    return;
  }
  if (!text) {
    if (why == kTooLarge) {
      why = "larger than the " + std::to_string(kLargestScript >> 20) + " MB a script may hold";
    }
    return warn(path + ": cannot be read (" + why + "); skipped");
  }
  auto replay = ParseReplay(*text);
  if (const auto* refusal = std::get_if<std::string>(&replay)) {
    return warn(path + ": skipped, not a replay (" + *refusal + ")");
  }
  known = loaded.index.Find(*text);
  if (!known && check) {
    const auto verified = check(path);
    if (verified) {
      loaded.index.Record(*text, name,
                          *verified ? BestIndex::Verdict::Verified : BestIndex::Verdict::Failed);
      known = loaded.index.Find(*text);
    }
  }
  // Renamed or copied since: known by its bytes, and from now on by its name.
  if (known && !loaded.index.FindByName(name)) loaded.index.Record(*text, name, known->verdict);
  if (known && known->verdict == BestIndex::Verdict::Verified) {
    loaded.table.Add(BestGame{std::get<Replay>(replay).header, name});
  } else {
    loaded.unranked.push_back(UnrankedGame{name, known != nullptr});
  }
}

}  // namespace

std::string BestFolder() {
  const fs::path data = DataDir();
  return data.empty() ? std::string() : Utf8FromPath(data / "best");
}

LoadedBest LoadBestFolder(const std::string& folder, const ReplayCheck& check) {
  LoadedBest loaded;
  if (folder.empty()) return loaded;
  loaded.index = BestIndex::Read(folder);
  std::error_code ec;
  fs::directory_iterator entries(PathFromUtf8(folder), ec);
  std::vector<std::string> names;
  for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
    AddFile(*entries, check, loaded);
    names.push_back(Utf8FromPath(entries->path().filename()));
  }
  // No folder yet is no game kept yet.
  if (ec && ec != std::errc::no_such_file_or_directory) {
    loaded.warnings.push_back(folder + ": the best games cannot be read (" + ec.message() + ")");
  }
  if (check) {
    if (!ec) loaded.index.KeepOnly(names);
    if (auto why = loaded.index.Write(folder)) {
      loaded.warnings.push_back(folder + "/" + std::string(BestIndex::kFileName) +
                                ": cannot be written (" + *why +
                                "); its games will be replayed again");
    }
  }
  return loaded;
}

LoadedBest LoadBest(const std::string& folder, const ReplayCheck& check) {
  LoadedBest loaded = LoadBestFolder(folder, check);
  for (const std::string& warning : loaded.warnings) Warn(warning);
  return loaded;
}

std::optional<std::string> SaveReplay(const std::string& folder, const ReplayHeader& header,
                                      std::string_view text, std::string& error) {
  std::error_code ec;
  fs::create_directories(PathFromUtf8(folder), ec);
  if (ec) {
    error = folder + ": cannot be made (" + ec.message() + ")";
    return std::nullopt;
  }
  // Two games cannot end in the same second of one run, but two runs can.
  constexpr int kTries = 100;
  const std::string stem = FileStem(header);
  const auto nameOf = [&stem](int copy) {
    return (copy > 1 ? stem + "-" + std::to_string(copy) : stem) + ".script";
  };
  std::string why;
  const auto path = WriteNewFileWhole(PathFromUtf8(folder), nameOf, kTries, text, why);
  if (!path) {
    error = folder + "/" + nameOf(1) + ": cannot be written (" + why + ")";
    return std::nullopt;
  }
  return Utf8FromPath(path->filename());
}

}  // namespace ridgeline
