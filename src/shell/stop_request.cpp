#include "shell/stop_request.h"

#include <atomic>

namespace ridgeline {

namespace {

constexpr int kNone = -1;
// Lock-free, so that a signal handler may set it.
std::atomic<int> requested{kNone};
static_assert(std::atomic<int>::is_always_lock_free);

}  // namespace

void RequestStop(int status) noexcept {
  int none = kNone;
  requested.compare_exchange_strong(none, status);
}

std::optional<int> TakeStopRequest() {
  const int status = requested.exchange(kNone);
  if (status == kNone) return std::nullopt;
  return status;
}

}  // namespace ridgeline
