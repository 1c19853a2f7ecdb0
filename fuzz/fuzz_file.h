#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// The file that holds the input in progress, removed when the fuzzer ends.
inline std::string fuzzFilePath;

// The game loads its data from files, so each input becomes a file: one per
// fuzzing process, rewritten for every input. In memory where the machine has
// a memory file system: rewriting a file on disk costs milliseconds.
inline const std::string& WriteFuzzFile(const std::uint8_t* data, std::size_t size,
                                        const char* extension) {
  namespace fs = std::filesystem;
  if (fuzzFilePath.empty()) {
    const fs::path dir = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    fuzzFilePath = dir / ("ridgeline-fuzz-" + std::to_string(::getpid()) + extension);
    std::atexit([] { std::remove(fuzzFilePath.c_str()); });
  }
  std::FILE* file = std::fopen(fuzzFilePath.c_str(), "wb");
  if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
    std::perror(fuzzFilePath.c_str());
    std::abort();
  }
  return fuzzFilePath;
}
