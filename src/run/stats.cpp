#include "run/stats.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

using Nanoseconds = std::chrono::nanoseconds;

// The clock that process start times are given in on Linux: time since boot.
Nanoseconds BootClockNow() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return std::chrono::seconds(now.tv_sec) + Nanoseconds(now.tv_nsec);
}

// Until main runs, this is as early as the program can look at the clock.
const Nanoseconds programLoaded = BootClockNow();

// When the kernel started this process, on the boot clock. The kernel counts
// it in clock ticks (10 ms), rounded down, so times measured from it err on
// the long side. Where it cannot be read, the moment the program was loaded.
Nanoseconds ProcessStart() {
  std::ifstream file("/proc/self/stat");
  std::string line;
  std::getline(file, line);
  const auto nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) return programLoaded;
  // Fields after the command name, which may hold spaces: state is field 3,
  // the start time field 22.
  std::istringstream fields(line.substr(nameEnd + 2));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    if (number == 22) {
      const long ticksPerSecond = sysconf(_SC_CLK_TCK);
      const long long ticks = std::stoll(field);
      return Nanoseconds(ticks * (1'000'000'000 / ticksPerSecond));
    }
  }
  return programLoaded;
}

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

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
    const Nanoseconds now = BootClockNow();
    if (intervals.Frames() == 0) {
      firstFrameAt = now;
      cpuAtFirstFrame = CpuSeconds();
    }
    intervals.FrameShown(now);
  });
}

void PrintStats() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const Nanoseconds start = ProcessStart();
  const Nanoseconds now = BootClockNow();
  RunCost cost;
  cost.cpuSeconds = CpuSeconds();
  cost.wallSeconds = SecondsBetween(start, now);
  cost.peakMemoryKiB = usage.ru_maxrss;
  cost.frameShown = intervals.Frames() > 0;
  if (cost.frameShown) {
    cost.startToFirstFrameSeconds = SecondsBetween(start, firstFrameAt);
    cost.cpuSecondsSinceFirstFrame = cost.cpuSeconds - cpuAtFirstFrame;
    cost.wallSecondsSinceFirstFrame = SecondsBetween(firstFrameAt, now);
  }
  std::fputs(StatsReport(PassesRun(), intervals, cost).c_str(), stdout);
}

}  // namespace ridgeline
