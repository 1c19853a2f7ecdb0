#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace ridgeline {

// The whole of the file at `path`, byte for byte; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ridgeline
