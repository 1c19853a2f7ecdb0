#pragma once

#include "media/platform/platform.h"

namespace ridgeline {

// Makes `platform` run the passes before `firstShown` at full speed: their
// frames are shown nowhere and nothing waits for the display, and the sound
// moves on silently, frame by frame, as it does headless. From pass
// `firstShown` on, the platform's own drivers show the frames and play the
// sound from where it has got to. The window is there all along, so that its
// events still arrive.
void FastForwardUntil(Platform& platform, long firstShown);

}  // namespace ridgeline
