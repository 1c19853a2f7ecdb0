#pragma once

#include <vector>

#include "media/video_driver.h"
#include "shell/event_point.h"
#include "shell/script.h"

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

// A script's events, each at its point. The window's own keys and clicks are
// dropped, but closing the window still ends the program.
class ScriptInput : public InputSource {
 public:
  explicit ScriptInput(std::vector<ScriptEvent> events) : events_(std::move(events)) {}
  bool Next(EventPoint at, WindowEvent& event) override;

 private:
  std::vector<ScriptEvent> events_;
  // The first event not yet delivered. It moves on before the event's
  // handler runs, so a handler that restarts the game, and so never returns,
  // leaves the events after it pending.
  std::size_t next_ = 0;
};

// The window event that a script event stands for: a click is the left button.
WindowEvent ToWindowEvent(const ScriptEvent& event);
