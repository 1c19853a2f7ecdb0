#pragma once

#include "media/headless/headless_sound.h"
#include "media/headless/headless_video.h"
#include "media/platform/platform.h"

namespace ridgeline {

// The headless drivers as one platform, the video driver clocking the sound,
// with the drivers at hand for those that feed the window events or look at
// what it was asked to do.
struct HeadlessPlatform {
  Platform platform;
  HeadlessVideo* video;  // owned by `platform`
  HeadlessSound* sound;  // owned by `platform`
};

HeadlessPlatform MakeHeadlessPlatform();

}  // namespace ridgeline
