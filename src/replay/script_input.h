#pragma once

#include <vector>

#include "replay/script.h"
#include "shell/input_source.h"

namespace ridgeline {

// A script's events, each at its point. The window's own keys and clicks are
// dropped, but the player can still leave: closing the window, Escape or a
// click ends the program, with status 0, at the end of the pass.
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

}  // namespace ridgeline
