#include "shell/events.h"

#include "media/platform.h"
#include "shell/form1.h"
#include "shell/shutdown.h"

void DoEvents() {
  WindowEvent event;
  while (CurrentPlatform().video->PollEvent(event)) {
    switch (event.kind) {
      case WindowEvent::Kind::KeyDown:
        Form1.Form_KeyDown(event.keyCode, event.shift);
        break;
      case WindowEvent::Kind::KeyUp:
        Form1.Form_KeyUp(event.keyCode, event.shift);
        break;
      case WindowEvent::Kind::MouseDown:
        Form1.Form_MouseDown(event.button, event.shift, static_cast<float>(event.x),
                             static_cast<float>(event.y));
        break;
      case WindowEvent::Kind::Close:
        ShutDown();
    }
  }
}
