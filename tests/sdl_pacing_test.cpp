#include <gtest/gtest.h>

#include <algorithm>

#include "media/sdl/frame_pacer.h"

namespace ridgeline {

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr Nanoseconds kStart = seconds(1000);

// The time that `frames` frames take, to the nanosecond.
constexpr Nanoseconds Frames(long long frames) {
  return Nanoseconds(frames * 1'000'000'000 / kFrameRate);
}

TEST(FrameSchedule, ShowsTheFirstFrameAtOnceAndThenSixtyASecond) {
  FrameSchedule schedule;
  EXPECT_EQ(schedule.NextDeadline(kStart), kStart);
  Nanoseconds deadline{0};
  for (int frame = 1; frame <= 60; ++frame) deadline = schedule.NextDeadline(deadline);
  // Exactly one second later: the 2/3 ns that each period has over a whole
  // number of nanoseconds do not go missing.
  EXPECT_EQ(deadline, kStart + seconds(1));
  for (int frame = 61; frame <= 6000; ++frame) deadline = schedule.NextDeadline(deadline);
  EXPECT_EQ(deadline, kStart + seconds(100));
}

TEST(FrameSchedule, KeepsItsDeadlinesWhenAFrameWakesLate) {
  FrameSchedule schedule;
  schedule.NextDeadline(kStart);
  const Nanoseconds first = schedule.NextDeadline(kStart);
  EXPECT_EQ(first, kStart + Frames(1));
  // This frame asks 5 ms after its deadline; the next deadline is still one
  // period after the missed one, not after the late moment.
  const Nanoseconds second = schedule.NextDeadline(first + milliseconds(5) + kFramePeriod);
  EXPECT_EQ(second, kStart + Frames(2));
  // A frame two periods behind is caught up with at once: its deadline is
  // already past.
  const Nanoseconds third = schedule.NextDeadline(second + 3 * kFramePeriod);
  EXPECT_EQ(third, kStart + Frames(3));
}

TEST(FrameSchedule, StartsAfreshAfterALongStallRatherThanRushing) {
  FrameSchedule schedule;
  schedule.NextDeadline(kStart);
  schedule.NextDeadline(kStart);
  const Nanoseconds woken = kStart + seconds(5);
  EXPECT_EQ(schedule.NextDeadline(woken), woken);
  EXPECT_EQ(schedule.NextDeadline(woken), woken + kFramePeriod);
}

// Ticks `count` times, `interval` apart plus a jitter that goes from
// -jitter to +jitter and back; returns the passes run and the most at one tick.
struct Ticked {
  long passes = 0;
  int mostAtOneTick = 0;
};
Ticked Tick(TickPacer& pacer, Nanoseconds& now, int count, Nanoseconds interval,
            Nanoseconds jitter = {}) {
  Ticked ticked;
  for (int tick = 0; tick < count; ++tick) {
    const Nanoseconds wobble = tick % 2 == 0 ? jitter : -jitter;
    const int passes = pacer.PassesDue(now + wobble);
    ticked.passes += passes;
    ticked.mostAtOneTick = std::max(ticked.mostAtOneTick, passes);
    now += interval;
  }
  return ticked;
}

TEST(TickPacer, RunsSixtyPassesASecondAtEveryRefreshRate) {
  struct Display {
    int hertz;
    Nanoseconds jitter;
    int mostAtOneTick;
  };
  // A 60 Hz display runs one pass at each tick even with ticks 4 ms early or
  // late; faster ones skip ticks, a 30 Hz one runs two at each.
  for (const Display display : {Display{60, milliseconds(4), 1}, Display{120, {}, 1},
                                Display{144, milliseconds(1), 1}, Display{30, {}, 2}}) {
    TickPacer pacer;
    Nanoseconds now = kStart;
    const Ticked ticked = Tick(pacer, now, 10 * display.hertz,
                               Nanoseconds(1'000'000'000 / display.hertz), display.jitter);
    EXPECT_NEAR(ticked.passes, 600, 1) << display.hertz;
    EXPECT_EQ(ticked.mostAtOneTick, display.mostAtOneTick) << display.hertz;
  }
}

TEST(TickPacer, CatchesUpAfterASlowFrameButStartsAfreshAfterAStall) {
  TickPacer pacer;
  Nanoseconds now = kStart;
  Tick(pacer, now, 10, Frames(1));
  // A frame that took three periods: its passes are run at the next tick.
  now += Frames(2);
  EXPECT_EQ(pacer.PassesDue(now), 3);
  now += Frames(1);
  EXPECT_EQ(pacer.PassesDue(now), 1);
  // Back after five seconds away: one pass, then one per period again.
  now += seconds(5);
  EXPECT_EQ(Tick(pacer, now, 60, Frames(1)).passes, 60);
  // Stopped, the pacer does not count the time in between at all.
  pacer.Stop();
  now += Frames(2);
  EXPECT_EQ(pacer.PassesDue(now), 1);
}

void RecordMany(VsyncTrial& trial, int frames, Nanoseconds interval, VsyncTrial::Verdict& verdict) {
  for (int i = 0; i < frames; ++i) verdict = trial.Record(interval);
}

TEST(VsyncTrial, KeepsVsyncThatWaitsForSixtyHertzAndDropsAnyOther) {
  const std::pair<Nanoseconds, VsyncTrial::Verdict> trials[] = {
      {Nanoseconds(16'667'000), VsyncTrial::Verdict::Keep},
      {Nanoseconds(16'683'000), VsyncTrial::Verdict::Keep},
      {Nanoseconds(1'000'000), VsyncTrial::Verdict::Drop},  // no wait at all
      {Nanoseconds(13'333'000), VsyncTrial::Verdict::Drop},
      {Nanoseconds(6'944'000), VsyncTrial::Verdict::Drop},
      {Nanoseconds(33'000'000), VsyncTrial::Verdict::Drop},
  };
  for (const auto& [interval, decided] : trials) {
    VsyncTrial trial;
    VsyncTrial::Verdict verdict{};
    RecordMany(trial, VsyncTrial::kSettlingFrames + VsyncTrial::kTrialFrames - 1, interval,
               verdict);
    EXPECT_EQ(verdict, VsyncTrial::Verdict::Undecided) << interval.count();
    EXPECT_EQ(trial.Record(interval), decided) << interval.count();
  }
}

TEST(VsyncTrial, LeavesOutTheFirstFramesAndKeepsItsVerdict) {
  VsyncTrial trial;
  VsyncTrial::Verdict verdict{};
  // The window appearing takes its time: not held against vsync.
  RecordMany(trial, VsyncTrial::kSettlingFrames, milliseconds(200), verdict);
  RecordMany(trial, VsyncTrial::kTrialFrames, Nanoseconds(16'667'000), verdict);
  EXPECT_EQ(verdict, VsyncTrial::Verdict::Keep);
  // Once decided, a slow frame later on changes nothing.
  EXPECT_EQ(trial.Record(milliseconds(500)), VsyncTrial::Verdict::Keep);
}

}  // namespace

}  // namespace ridgeline
