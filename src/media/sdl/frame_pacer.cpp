#include "media/sdl/frame_pacer.h"

#include <algorithm>
#include <thread>

namespace ridgeline {

Nanoseconds FrameSchedule::NextDeadline(Nanoseconds now) {
  if (started_) {
    ++frame_;
    // Whole seconds and the frames within one, so that the 2/3 ns that a
    // period has over a whole number of nanoseconds is never lost.
    const Nanoseconds deadline = origin_ + std::chrono::seconds(frame_ / kFrameRate) +
                                 Nanoseconds(frame_ % kFrameRate * 1'000'000'000LL / kFrameRate);
    if (now - deadline <= kMaxFramesBehind * kFramePeriod) return deadline;
  }
  started_ = true;
  origin_ = now;
  frame_ = 0;
  return now;
}

int TickPacer::PassesDue(Nanoseconds now) {
  if (started_) {
    const long long due = (now - origin_).count() * kFrameRate / 1'000'000'000 + 1;
    if (due - passesRun_ <= kMaxPassesBehind) {
      const long long passes = std::max(due - passesRun_, 0LL);
      passesRun_ += passes;
      return static_cast<int>(passes);
    }
  }
  started_ = true;
  origin_ = now - kFramePeriod / 2;
  passesRun_ = 1;
  return 1;
}

VsyncTrial::Verdict VsyncTrial::Record(Nanoseconds interval) {
  if (verdict_ != Verdict::Undecided) return verdict_;
  ++seen_;
  if (seen_ <= kSettlingFrames) return verdict_;
  total_ += interval;
  if (seen_ == kSettlingFrames + kTrialFrames) {
    const Nanoseconds mean = total_ / kTrialFrames;
    verdict_ = mean >= kLowest && mean <= kHighest ? Verdict::Keep : Verdict::Drop;
  }
  return verdict_;
}

FramePacer::FramePacer(bool vsync, std::function<void()> dropVsync)
    : vsync_(vsync), dropVsync_(std::move(dropVsync)) {}

Nanoseconds FramePacer::Now() {
  return std::chrono::steady_clock::now().time_since_epoch();
}

void FramePacer::Wait() {
  if (vsync_) return;
  const Nanoseconds deadline = schedule_.NextDeadline(Now());
  // Sleeping, not spinning: the thread gives the core away until the deadline.
  std::this_thread::sleep_until(std::chrono::steady_clock::time_point(
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(deadline)));
}

void FramePacer::Shown() {
  const Nanoseconds now = Now();
  const Nanoseconds interval = now - lastShown_;
  const bool first = lastShown_ == Nanoseconds{0};
  lastShown_ = now;
  if (!vsync_ || first) return;
  if (trial_.Record(interval) == VsyncTrial::Verdict::Drop) {
    vsync_ = false;
    dropVsync_();
  }
}

}  // namespace ridgeline
