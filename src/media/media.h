#pragma once

namespace ridgeline {

// Releases every display and sound object and the platform's drivers, sounds
// first, so that no device outlives what it plays. Used when the program ends
// and between tests.
void ReleaseMedia();

}  // namespace ridgeline
