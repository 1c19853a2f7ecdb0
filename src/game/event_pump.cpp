#include "game/event_pump.h"

namespace ridgeline {

namespace {

EventPump installed = nullptr;

}  // namespace

void InstallEventPump(EventPump pump) {
  installed = pump;
}

void DoEvents() {
  if (installed) installed();
}

}  // namespace ridgeline
