#pragma once

#include <string>

#include "media/files/sdl_file.h"

namespace ridgeline {

// Opens a data file for SDL to read, when it is a regular file (see
// OpenRegularFile); otherwise returns null and sets `why`.
SdlFilePtr OpenRegularSdlFile(const std::string& path, std::string& why);

}  // namespace ridgeline
