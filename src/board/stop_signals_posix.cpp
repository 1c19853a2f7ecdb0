#include <signal.h>
#include <unistd.h>

#include "board/stop_signals.h"

namespace ridgeline {

namespace {

sigset_t StopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  return stops;
}

}  // namespace

void HoldStopSignals() {
  const sigset_t stops = StopSignals();
  pthread_sigmask(SIG_BLOCK, &stops, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

void WaitForStopSignal() {
  const sigset_t stops = StopSignals();
  int signal = 0;
  sigwait(&stops, &signal);
}

void SendStopSignal() {
  kill(getpid(), SIGTERM);
}

}  // namespace ridgeline
