#include "common/warning.h"

#include <cstdio>

namespace ridgeline {

void Warn(const std::string& line) {
  std::fprintf(stderr, "ridgeline: %s\n", line.c_str());
}

}  // namespace ridgeline
