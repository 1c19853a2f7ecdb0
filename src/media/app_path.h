#pragma once

#include <string>

#include "common/data_files.h"

namespace ridgeline {

// The directory holding the game's executable, without a trailing separator:
// the data directory Data/ sits in it.
const std::string& AppPath();
// Points the game at another directory (tests, and runs from elsewhere).
void SetAppPath(std::string path);

// Where the game reads the data file `file`: AppPath()/Data/...
std::string DataFilePath(const DataFile& file);

}  // namespace ridgeline
