#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace ridgeline {

// A file that a run writes. It is written beside its target under a
// temporary name (TARGET.part-PID) and put in place only when the run keeps
// it, so that a run that fails or is refused leaves the file that was there
// as it was, and a file cut short is never put in place. A device or a pipe
// is written directly.
class OutputFile {
 public:
  // Opens the temporary file. On failure returns null and sets `error` to
  // "NAME: cannot be written (reason)".
  static std::unique_ptr<OutputFile> Create(const std::string& name, std::string& error);
  // Discards the file unless it was kept.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  const std::string& Name() const { return name_; }
  // Null once kept or discarded.
  std::FILE* Stream() const { return stream_; }

  // Writes `size` bytes and flushes them; returns the system's reason when it
  // could not, having discarded the file.
  std::optional<std::string> WriteAll(const void* bytes, std::size_t size);
  // Closes the file and puts it in place of its target. Returns false, with
  // `error` set, when it could not be written in full or not be put in place;
  // it is then discarded. Does nothing to a file already discarded.
  bool Keep(std::string& error);
  // Closes and removes the temporary file: the target stays as it was.
  void Discard();

 private:
  OutputFile(std::string name, std::filesystem::path temporary, std::FILE* stream);

  std::string name_;                 // as the command line gave it
  std::filesystem::path target_;     // where it goes: the file that a symbolic link names, if any
  std::filesystem::path temporary_;  // empty when written directly
  std::FILE* stream_;
};

}  // namespace ridgeline
