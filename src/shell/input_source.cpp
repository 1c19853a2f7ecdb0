#include "shell/input_source.h"

#include "media/platform/platform.h"

namespace ridgeline {

bool WindowInput::Next(EventPoint /*at*/, WindowEvent& event) {
  return CurrentPlatform().video->PollEvent(event);
}

}  // namespace ridgeline
