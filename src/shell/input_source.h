#pragma once

#include "media/platform/video_driver.h"
#include "shell/event_point.h"

namespace ridgeline {

// Where the window's events come from when the game lets it process them:
// the player at the keyboard and mouse, or a script.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Takes the next event to deliver at processing point `at`; false when
  // there is none left for this point.
  virtual bool Next(EventPoint at, WindowEvent& event) = 0;
};

// The events of the video driver's window, as they come.
class WindowInput : public InputSource {
 public:
  bool Next(EventPoint at, WindowEvent& event) override;
};

}  // namespace ridgeline
