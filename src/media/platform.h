#pragma once

#include <SDL.h>

#include <functional>
#include <memory>

#include "media/sound_driver.h"
#include "media/video_driver.h"

namespace ridgeline {

// The drivers that the display and sound objects use, chosen once before the
// game starts: SDL for play, headless for tests and scripted runs.
struct Platform {
  std::unique_ptr<VideoDriver> video;
  std::unique_ptr<SoundDriver> sound;
  // Sees every frame as it is shown (frame dumps of scripted runs).
  std::function<void(const SDL_Surface&)> frameShown;
};

Platform& CurrentPlatform();
void SetPlatform(Platform platform);

}  // namespace ridgeline
