#include "run/script_input.h"

#include "media/platform.h"

namespace ridgeline {

bool ScriptInput::Next(EventPoint at, WindowEvent& event) {
  while (CurrentPlatform().video->PollEvent(event)) {
    if (event.kind == WindowEvent::Kind::Close) return true;
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
