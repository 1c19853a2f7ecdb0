#include "media/platform/platform.h"

#include "common/run_time_error.h"

namespace ridgeline {

namespace {
Platform current;
}

Platform& CurrentPlatform() {
  if (!current.video || !current.sound) throw RunTimeError("no platform drivers chosen");
  return current;
}

void Platform::ShowFrame(const FrameView& frame) {
  video->Present(frame);
  for (const auto& watcher : frameShown) watcher(frame);
}

void SetPlatform(Platform platform) {
  current = std::move(platform);
}

}  // namespace ridgeline
