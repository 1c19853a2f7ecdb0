#pragma once

#include <optional>
#include <string>

namespace ridgeline {

// Replays the replay file `path` in a run of this very program with --verify,
// so that each file is checked exactly as --verify checks it and nothing of
// the game in this process is touched. Whether the game ended as the file
// says; nothing when the check could not be made or was interrupted.
std::optional<bool> VerifyInOwnRun(const std::string& path);

}  // namespace ridgeline
