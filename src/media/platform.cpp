#include "media/platform.h"

#include "common/run_time_error.h"

namespace ridgeline {

namespace {
Platform current;
}

Platform& CurrentPlatform() {
  if (!current.video || !current.sound) throw RunTimeError("no platform drivers chosen");
  return current;
}

void SetPlatform(Platform platform) {
  current = std::move(platform);
}

}  // namespace ridgeline
