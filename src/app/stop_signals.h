#pragma once

namespace ridgeline {

// Makes SIGINT, SIGTERM and SIGHUP stop the run at the end of the pass in
// progress, so that its trace and recording end on a whole pass, with exit
// status 128 + the signal's number as a shell reports a killed program. The
// handler is used once: a second signal ends the program at once, for a run
// that no longer reaches the end of its pass. A signal ignored when the game
// starts (nohup) stays ignored. On Windows the console's events do the same:
// Ctrl+C and Ctrl+Break as SIGINT, a console closed or a session ending as
// SIGHUP. SIGXFSZ is ignored, so that a write past the file-size limit fails
// as on a full disk rather than ending the game.
void StopRunOnSignals();

}  // namespace ridgeline
