#pragma once

namespace ridgeline {

// The program's exit statuses besides 0 (and 128 + a signal's number).
// The game could not start or went wrong while running.
inline constexpr int kFailureStatus = 1;
// Bad usage, found before anything runs.
inline constexpr int kUsageStatus = 2;
// From here on: a signal, or the console's like of it, stopped the run.
inline constexpr int kFirstSignalStatus = 128;

}  // namespace ridgeline
