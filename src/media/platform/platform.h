#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "media/directx/frame_view.h"
#include "media/platform/sound_driver.h"
#include "media/platform/video_driver.h"

namespace ridgeline {

// The drivers that the display and sound objects use, chosen once before the
// game starts: SDL for play, headless for tests and scripted runs.
struct Platform {
  std::unique_ptr<VideoDriver> video;
  std::unique_ptr<SoundDriver> sound;
  // See every frame as it is shown, in the order they were added (the
  // timing of --stats, the frame dumps of scripted runs).
  std::vector<std::function<void(const FrameView&)>> frameShown;

  // Shows a finished frame through the video driver, then lets every
  // watcher of frameShown see it.
  void ShowFrame(const FrameView& frame);
};

Platform& CurrentPlatform();
void SetPlatform(Platform platform);

}  // namespace ridgeline
