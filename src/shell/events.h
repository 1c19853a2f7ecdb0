#pragma once

#include "shell/event_point.h"

namespace ridgeline {

class InputSource;

// The shell's event pump, which the start-up steps install for DoEvents:
// every event waiting is handed to Form1's handlers, which may change the
// game, restart it or end the program before this returns. Each call is one
// event-processing point of the pass in progress.
void ProcessPendingEvents();

// Starts the numbering of the processing points of pass `pass` from 0.
void BeginEventPass(long pass);

// Takes the events from `source` from now on; nullptr: from the window.
// The caller keeps the source alive while it is in use.
void SetInputSource(InputSource* source);

}  // namespace ridgeline
