#include <windows.h>

#include <atomic>
#include <csignal>

#include "app/stop_signals.h"
#include "shell/stop_request.h"

namespace ridgeline {

namespace {

// The exit statuses of the signals that a Linux terminal would send for the
// same thing: an interrupt for Ctrl+C and Ctrl+Break, a hang-up for a
// console closed or a session ending.
constexpr int kInterrupted = 128 + SIGINT;
constexpr int kHungUp = 128 + 1;

// How long a closing console may wait for the pass in progress; Windows ends
// the program itself a few seconds after.
constexpr DWORD kCloseGrace = 4000;

std::atomic<bool> stopping{false};

// Runs on a thread of its own that the system starts for the event.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  // A second event ends the program at once, as the default handler does.
  if (stopping.exchange(true)) return FALSE;
  const bool interrupt = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
  RequestStop(interrupt ? kInterrupted : kHungUp);
  // The process ends when this returns from a close: the main thread gets
  // until then to end its pass and put its files in place.
  if (!interrupt) Sleep(kCloseGrace);
  return TRUE;
}

}  // namespace

void StopRunOnSignals() {
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

}  // namespace ridgeline
