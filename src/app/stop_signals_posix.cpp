#include "app/stop_signals.h"

#include <csignal>

#include "shell/stop_request.h"

namespace ridgeline {

namespace {

void OnStopSignal(int number) {
  RequestStop(128 + number);
}

}  // namespace

void StopRunOnSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal that whoever started the game ignores (nohup, a shell's
    // background job) stays ignored.
    struct sigaction before {};
    sigaction(number, nullptr, &before);
    if (before.sa_handler != SIG_IGN) sigaction(number, &action, nullptr);
  }
  // A file grown past the size limit (ulimit -f) would kill the game; ignored,
  // the write fails with EFBIG instead and costs a line, as a full disk does.
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace ridgeline
