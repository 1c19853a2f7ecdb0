#pragma once

#include <chrono>
#include <functional>

namespace ridgeline {

// The game counts frames, not seconds, so it must see 60 of them a second on
// every monitor. Where the display refreshes at 60 Hz, the flip waits for the
// display (vsync); everywhere else, and where vsync turns out not to wait at
// all, a timer sleeps until each frame's deadline.

using Nanoseconds = std::chrono::nanoseconds;

inline constexpr int kFrameRate = 60;
inline constexpr Nanoseconds kFramePeriod{1'000'000'000 / kFrameRate};

// Absolute deadlines at 60 per second from a starting point, so that rounding
// and late wake-ups never add up: a frame that ends late is followed by ones
// that start at once until the schedule is met again. Only after a long stall
// (the window dragged, the machine suspended) does the schedule start afresh
// rather than rush through the missed frames.
class FrameSchedule {
 public:
  // Times are on any steady clock that only moves forward.
  Nanoseconds NextDeadline(Nanoseconds now);

  // How far behind its schedule a frame may be before the schedule restarts.
  static constexpr long kMaxFramesBehind = 3;

 private:
  bool started_ = false;
  Nanoseconds origin_{0};
  long long frame_ = 0;
};

// Paces the passes for a host that calls back once per refresh of its
// display instead of letting the game wait (a browser's animation frames):
// 60 passes a second whether the display refreshes 60, 120 or 144 times a
// second, or unevenly. The k-th pass falls due half a period before the k-th
// tick of a steady 60 Hz from the first tick on, so that a 60 Hz display's
// ticks run one pass each however unevenly they come.
class TickPacer {
 public:
  // How many passes to run at a tick at `now`, on a steady clock: those that
  // fell due since the last tick, several after a slow frame. After a long
  // stall, one, and the schedule starts afresh rather than rush through the
  // missed passes.
  int PassesDue(Nanoseconds now);
  // The ticks stop for a while (a hidden page): the next one starts afresh.
  void Stop() { started_ = false; }

  // How many passes a tick may catch up with before the schedule restarts.
  static constexpr long kMaxPassesBehind = FrameSchedule::kMaxFramesBehind;

 private:
  bool started_ = false;
  Nanoseconds origin_{0};
  long long passesRun_ = 0;
};

// Decides from the first frames shown with vsync on whether the display
// really waits for a 60 Hz refresh. Some drivers accept vsync and then do not
// wait (virtual displays, some compositors), or report a refresh rate they do
// not keep: the game would then run too fast or too slow.
class VsyncTrial {
 public:
  enum class Verdict { Undecided, Keep, Drop };

  // Give the interval since the previous frame shown.
  Verdict Record(Nanoseconds interval);

  // Frames at the start that are left out (the window appearing, caches warming).
  static constexpr int kSettlingFrames = 10;
  static constexpr int kTrialFrames = 60;
  // The mean interval that vsync at 60 Hz gives, within its tolerance.
  static constexpr Nanoseconds kLowest{15'700'000};
  static constexpr Nanoseconds kHighest{17'700'000};

 private:
  int seen_ = 0;
  Nanoseconds total_{0};
  Verdict verdict_ = Verdict::Undecided;
};

// Paces the frames as the display allows: vsync while it holds up, the timer
// otherwise. The caller shows each frame after Wait returns.
class FramePacer {
 public:
  // Starts with vsync if the display gives it; `dropVsync` turns it off
  // again when the trial fails.
  FramePacer(bool vsync, std::function<void()> dropVsync);

  // Sleeps until the next frame may be shown (not with vsync, where showing
  // it waits).
  void Wait();
  // Tells the pacer that a frame has just been shown.
  void Shown();
  // Tells the pacer that the frames stopped for a while (a pause), so that
  // the wait is not taken for a slow display.
  void Resumed() { lastShown_ = Nanoseconds{0}; }

 private:
  static Nanoseconds Now();

  bool vsync_;
  std::function<void()> dropVsync_;
  FrameSchedule schedule_;
  VsyncTrial trial_;
  Nanoseconds lastShown_{0};
};

}  // namespace ridgeline
