#pragma once

#include <optional>
#include <string>

#include "app/options.h"

namespace ridgeline {

// Says why the outputs that `options` name cannot be written, before any is
// opened: one that is the --input script, a file of the game's data (anything
// under `dataDir`, or the same file by another name) or another output. Files
// that exist are compared by device and inode, others by their resolved
// paths. Outputs that are devices or pipes (/dev/null, /dev/stdout) are
// written as they are and compared with nothing. Nothing when all may go ahead.
std::optional<std::string> OutputClash(const Options& options, const std::string& dataDir);

}  // namespace ridgeline
