#pragma once

#include "media/platform.h"

namespace ridgeline {

// SDL's window and sound device as one platform: a window when `windowed`,
// else the desktop's full screen; `scale` is the window's size as a multiple
// of 640 x 480, 0 for the largest that fits.
Platform MakeSdlPlatform(bool windowed, long scale);

}  // namespace ridgeline
