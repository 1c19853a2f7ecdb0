#include "replay/best_index.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "common/file_system.h"
#include "common/path_text.h"
#include "common/regular_file.h"

namespace ridgeline {

namespace {

constexpr std::string_view kFirstLine = "# ridgeline verified replays\n";
constexpr std::string_view kVerified = "verified";
constexpr std::string_view kFailed = "failed";
// Far more than the index of a folder of ten games and some strays holds.
constexpr std::uint64_t kLargestIndex = 1 << 20;

// FNV-1a: enough to tell a file changed, which is all the index asks.
std::uint64_t HashOf(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  return hash;
}

template <typename Number>
std::optional<Number> NumberIn(std::string_view text, int base) {
  Number number{};
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  if (failure != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

// Takes the next word, up to a space, off `line`.
std::string_view NextWord(std::string_view& line) {
  const std::size_t end = std::min(line.find(' '), line.size());
  const std::string_view word = line.substr(0, end);
  line.remove_prefix(std::min(end + 1, line.size()));
  return word;
}

}  // namespace

BestIndex BestIndex::Read(const std::string& folder) {
  BestIndex index;
  std::string why;
  const auto text = ReadRegularFile(folder + "/" + std::string(kFileName), kLargestIndex, why);
  if (!text || !text->starts_with(kFirstLine)) return index;
  std::string_view rest = std::string_view(*text).substr(kFirstLine.size());
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    // HASH SIZE VERDICT FILE
    const auto hash = NumberIn<std::uint64_t>(NextWord(line), 16);
    const auto size = NumberIn<std::uint64_t>(NextWord(line), 10);
    const std::string_view verdict = NextWord(line);
    if (!hash || !size || (verdict != kVerified && verdict != kFailed) || line.empty()) continue;
    index.entries_[std::string(line)] =
        Entry{*hash, *size, verdict == kVerified ? Verdict::Verified : Verdict::Failed};
  }
  return index;
}

const BestIndex::Entry* BestIndex::Find(std::string_view bytes) const {
  const std::uint64_t hash = HashOf(bytes);
  for (const auto& [file, entry] : entries_) {
    if (entry.hash == hash && entry.size == bytes.size()) return &entry;
  }
  return nullptr;
}

const BestIndex::Entry* BestIndex::FindByName(std::string_view file) const {
  const auto found = entries_.find(file);
  return found == entries_.end() ? nullptr : &found->second;
}

void BestIndex::Record(std::string_view bytes, const std::string& file, Verdict verdict) {
  entries_[file] = Entry{HashOf(bytes), bytes.size(), verdict};
  changed_ = true;
}

void BestIndex::Forget(const std::string& file) {
  changed_ |= entries_.erase(file) > 0;
}

void BestIndex::KeepOnly(const std::vector<std::string>& files) {
  changed_ |= std::erase_if(entries_, [&files](const auto& item) {
                return std::find(files.begin(), files.end(), item.first) == files.end();
              }) > 0;
}

std::optional<std::string> BestIndex::Write(const std::string& folder) {
  if (!changed_) return std::nullopt;
  std::string text(kFirstLine);
  for (const auto& [file, entry] : entries_) {
    char head[48];
    std::snprintf(head, sizeof head, "%016llx %llu ", static_cast<unsigned long long>(entry.hash),
                  static_cast<unsigned long long>(entry.size));
    text.append(head)
        .append(entry.verdict == Verdict::Verified ? kVerified : kFailed)
        .append(" ")
        .append(file) += '\n';
  }
  if (auto why = WriteFileWhole(PathFromUtf8(folder + "/" + std::string(kFileName)), text))
    return why;
  changed_ = false;
  return std::nullopt;
}

}  // namespace ridgeline
