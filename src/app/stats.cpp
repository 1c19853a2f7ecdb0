#include "app/stats.h"

#include <algorithm>
#include <cstdio>

#include "app/process_usage.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

using Nanoseconds = std::chrono::nanoseconds;

FrameIntervals intervals;
Nanoseconds firstFrameAt{0};
double cpuAtFirstFrame = 0;

double Milliseconds(Nanoseconds t) {
  return std::chrono::duration<double, std::milli>(t).count();
}

double SecondsBetween(Nanoseconds from, Nanoseconds to) {
  return std::chrono::duration<double>(to - from).count();
}

double Percent(double part, double whole) {
  return whole > 0 ? 100 * part / whole : 0;
}

}  // namespace

void FrameIntervals::FrameShown(Nanoseconds at) {
  if (frames_ > 0) {
    const Nanoseconds interval = at - last_;
    const auto bin = std::clamp<long long>(interval / kBinWidth, 0, kBins - 1);
    ++bins_[static_cast<std::size_t>(bin)];
    longest_ = std::max(longest_, interval);
  } else {
    first_ = at;
  }
  last_ = at;
  ++frames_;
}

double FrameIntervals::MeanRate() const {
  if (frames_ < 2 || last_ <= first_) return 0;
  return static_cast<double>(frames_ - 1) / std::chrono::duration<double>(last_ - first_).count();
}

FrameIntervals::Nanoseconds FrameIntervals::Percentile(double share) const {
  const long count = frames_ - 1;
  if (count < 1) return Nanoseconds{0};
  // Nearest rank: the smallest interval with at least `share` of all at or
  // below it, reported as the top of its bin.
  const auto rank = std::max<long long>(1, static_cast<long long>(share * count + 0.999999));
  long long seen = 0;
  for (int bin = 0; bin < kBins; ++bin) {
    seen += bins_[static_cast<std::size_t>(bin)];
    if (seen >= rank) {
      // The last bin also holds every interval beyond the histogram's range.
      return bin == kBins - 1 ? longest_ : std::min(longest_, (bin + 1) * kBinWidth);
    }
  }
  return longest_;
}

std::string StatsReport(long passes, const FrameIntervals& frames, const RunCost& cost) {
  char text[1024];
  std::snprintf(text, sizeof text,
                "passes run:              %ld\n"
                "frames shown:            %ld\n"
                "mean rate:               %.3f per second\n"
                "frame interval p50:      %.3f ms\n"
                "frame interval p99:      %.3f ms\n"
                "frame interval longest:  %.3f ms\n"
                "CPU time:                %.3f s in %.3f s (%.1f %% of one core)\n"
                "CPU time after start-up: %.3f s in %.3f s (%.1f %% of one core)\n",
                passes, frames.Frames(), frames.MeanRate(), Milliseconds(frames.Percentile(0.5)),
                Milliseconds(frames.Percentile(0.99)), Milliseconds(frames.Longest()),
                cost.cpuSeconds, cost.wallSeconds, Percent(cost.cpuSeconds, cost.wallSeconds),
                cost.cpuSecondsSinceFirstFrame, cost.wallSecondsSinceFirstFrame,
                Percent(cost.cpuSecondsSinceFirstFrame, cost.wallSecondsSinceFirstFrame));
  std::string report = text;
  if (cost.frameShown) {
    std::snprintf(text, sizeof text, "start to first frame:    %.1f ms\n",
                  cost.startToFirstFrameSeconds * 1000);
    report += text;
  } else {
    report += "start to first frame:    no frame shown\n";
  }
  std::snprintf(text, sizeof text, "peak memory:             %ld KiB\n", cost.peakMemoryKiB);
  return report + text;
}

void TimeFramesShown(Platform& platform) {
  platform.frameShown.push_back([](const FrameView&) {
    const Nanoseconds now = ProcessClockNow();
    if (intervals.Frames() == 0) {
      firstFrameAt = now;
      cpuAtFirstFrame = ProcessCpuSeconds();
    }
    intervals.FrameShown(now);
  });
}

void PrintStats() {
  const Nanoseconds start = ProcessStartTime();
  const Nanoseconds now = ProcessClockNow();
  RunCost cost;
  cost.cpuSeconds = ProcessCpuSeconds();
  cost.wallSeconds = SecondsBetween(start, now);
  cost.peakMemoryKiB = ProcessPeakMemoryKiB();
  cost.frameShown = intervals.Frames() > 0;
  if (cost.frameShown) {
    cost.startToFirstFrameSeconds = SecondsBetween(start, firstFrameAt);
    cost.cpuSecondsSinceFirstFrame = cost.cpuSeconds - cpuAtFirstFrame;
    cost.wallSecondsSinceFirstFrame = SecondsBetween(firstFrameAt, now);
  }
  std::fputs(StatsReport(PassesRun(), intervals, cost).c_str(), stdout);
}

}  // namespace ridgeline
