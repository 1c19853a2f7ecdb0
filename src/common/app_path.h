#pragma once

#include <string>

#include "common/data_files.h"

namespace ridgeline {

// The directory that holds the game's data directory Data/, without a
// trailing separator, as the program's start found it (or a test chose it);
// throws RunTimeError when none was set.
const std::string& AppPath();
void SetAppPath(std::string path);

// Where the game reads the data file `file`: AppPath()/Data/...
std::string DataFilePath(const DataFile& file);

}  // namespace ridgeline
