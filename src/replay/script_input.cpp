#include "replay/script_input.h"

#include "media/platform/platform.h"
#include "shell/input.h"
#include "shell/stop_request.h"

namespace ridgeline {

bool ScriptInput::Next(EventPoint at, WindowEvent& event) {
  // The player is not part of the script: leaving is not handed to the game,
  // it ends the program once the pass is over, as if the run had been given
  // --frames up to here.
  WindowEvent player;
  while (CurrentPlatform().video->PollEvent(player)) {
    if (EndsTheGame(player)) RequestStop(0);
  }
  if (next_ == events_.size() || at < events_[next_].at) return false;
  event = ToWindowEvent(events_[next_++]);
  return true;
}

WindowEvent ToWindowEvent(const ScriptEvent& event) {
  switch (event.kind) {
    case ScriptEvent::Kind::KeyDown:
      return {WindowEvent::Kind::KeyDown, event.keyCode};
    case ScriptEvent::Kind::KeyUp:
      return {WindowEvent::Kind::KeyUp, event.keyCode};
    case ScriptEvent::Kind::Click:
      break;
  }
  WindowEvent click{WindowEvent::Kind::MouseDown};
  click.button = 1;
  return click;
}

}  // namespace ridgeline
