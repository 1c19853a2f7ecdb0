#include "shell/events.h"

#include "shell/form1.h"
#include "shell/input_source.h"
#include "shell/shutdown.h"

namespace ridgeline {

namespace {

WindowInput window;
InputSource* source = &window;
EventPoint next;

}  // namespace

void ProcessPendingEvents() {
  const EventPoint here = next;
  ++next.point;
  WindowEvent event;
  while (source->Next(here, event)) {
    switch (event.kind) {
      case WindowEvent::Kind::KeyDown:
        Form1.Form_KeyDown(event.keyCode, event.shift);
        break;
      case WindowEvent::Kind::KeyUp:
        Form1.Form_KeyUp(event.keyCode, event.shift);
        break;
      case WindowEvent::Kind::MouseDown:
        Form1.Form_MouseDown(event.button, event.shift);
        break;
      case WindowEvent::Kind::Close:
        ShutDown();
    }
  }
}

void BeginEventPass(long pass) {
  next = EventPoint{pass, 0};
}

void SetInputSource(InputSource* newSource) {
  source = newSource ? newSource : &window;
}

}  // namespace ridgeline
