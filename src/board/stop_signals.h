#pragma once

namespace ridgeline {

// The board stops on SIGTERM or SIGINT, finishing what is under way. Called
// before any thread starts, HoldStopSignals keeps the signals from every
// thread, so that only WaitForStopSignal takes them; a client gone in the
// middle of an answer is no signal at all.
void HoldStopSignals();
// Returns once SIGTERM or SIGINT has come.
void WaitForStopSignal();
// Sends the process SIGTERM: so the board stops itself.
void SendStopSignal();

}  // namespace ridgeline
