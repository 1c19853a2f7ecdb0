#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ridgeline {

// What is known of the replays in a best folder, kept beside them in
// verified.txt: for each file replayed, by the hash of its bytes, its size,
// its name and whether it ended as it says. A file is replayed once, however
// often it is listed or renamed. The index is the game's own memory, not a
// seal: whoever may write the folder may write it too.
class BestIndex {
 public:
  static constexpr std::string_view kFileName = "verified.txt";

  enum class Verdict { Verified, Failed };
  struct Entry {
    std::uint64_t hash = 0;
    std::uint64_t size = 0;
    Verdict verdict = Verdict::Failed;
  };

  // The index of `folder`; empty when there is none. Lines it cannot read
  // are forgotten: their files are replayed again.
  static BestIndex Read(const std::string& folder);

  // What is known of a file holding `bytes`, if it was replayed.
  const Entry* Find(std::string_view bytes) const;
  // What is known of the file named `file`, by the name it was recorded
  // under: to be confirmed by its bytes.
  const Entry* FindByName(std::string_view file) const;

  void Record(std::string_view bytes, const std::string& file, Verdict verdict);
  void Forget(const std::string& file);
  // Forgets the files that are not among `files`, the folder's own.
  void KeepOnly(const std::vector<std::string>& files);

  // Writes the index whole into `folder` when it changed; returns why not.
  std::optional<std::string> Write(const std::string& folder);

 private:
  // By file name: a copy of a file is a file of its own.
  std::map<std::string, Entry, std::less<>> entries_;
  bool changed_ = false;
};

}  // namespace ridgeline
