#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "media/platform/platform.h"

namespace ridgeline {

// What --stats reports when the program ends: how evenly the frames came, and
// what the run cost the machine.

// The intervals between frames shown, kept as a histogram of fixed size so
// that a run of any length costs no memory per frame.
class FrameIntervals {
 public:
  using Nanoseconds = std::chrono::nanoseconds;

  // Give the time of each frame shown, on any steady clock.
  void FrameShown(Nanoseconds at);

  long Frames() const { return frames_; }
  // Frames per second over the intervals between the first and last frame;
  // 0 before there are two.
  double MeanRate() const;
  // The interval that `share` (0 to 1) of all intervals do not exceed, to
  // the histogram's resolution; 0 before there are two frames.
  Nanoseconds Percentile(double share) const;
  Nanoseconds Longest() const { return longest_; }

  // The histogram's resolution and range: longer intervals count in its last
  // bin, and Longest keeps the exact figure.
  static constexpr Nanoseconds kBinWidth{10'000};
  static constexpr int kBins = 20'000;

 private:
  std::array<std::uint32_t, kBins> bins_{};
  long frames_ = 0;
  Nanoseconds first_{0};
  Nanoseconds last_{0};
  Nanoseconds longest_{0};
};

// What the run cost, as the operating system counts it.
struct RunCost {
  double cpuSeconds = 0;   // user and system time
  double wallSeconds = 0;  // from process start to now
  long peakMemoryKiB = 0;  // largest resident set
  bool frameShown = false;
  double startToFirstFrameSeconds = 0;
  // From the first frame on: what the frames cost, without the start-up.
  double cpuSecondsSinceFirstFrame = 0;
  double wallSecondsSinceFirstFrame = 0;
};

// The --stats report: passes run, mean rate, 50th and 99th percentile and
// longest frame interval, CPU time, time to the first frame, peak memory.
std::string StatsReport(long passes, const FrameIntervals& intervals, const RunCost& cost);

// Notes the time at which each frame is shown on `platform`.
void TimeFramesShown(Platform& platform);
// Prints the report for this run on standard output.
void PrintStats();

}  // namespace ridgeline
