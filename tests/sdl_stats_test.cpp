#include <gtest/gtest.h>

#include "app/stats.h"

namespace ridgeline {

namespace {

using std::chrono::milliseconds;
using Nanoseconds = std::chrono::nanoseconds;

// Feeds frames shown at the given intervals, starting at an arbitrary time.
FrameIntervals Shown(std::initializer_list<std::pair<int, Nanoseconds>> runs) {
  FrameIntervals intervals;
  Nanoseconds at = std::chrono::seconds(77);
  intervals.FrameShown(at);
  for (const auto& [count, interval] : runs) {
    for (int i = 0; i < count; ++i) {
      at += interval;
      intervals.FrameShown(at);
    }
  }
  return intervals;
}

TEST(FrameIntervals, GivesRateAndPercentilesOfEvenFrames) {
  const FrameIntervals even = Shown({{600, Nanoseconds(16'666'667)}});
  EXPECT_EQ(even.Frames(), 601);
  EXPECT_NEAR(even.MeanRate(), 60.0, 1e-5);
  EXPECT_EQ(even.Percentile(0.5), Nanoseconds(16'666'667));
  EXPECT_EQ(even.Percentile(0.99), Nanoseconds(16'666'667));
  EXPECT_EQ(even.Longest(), Nanoseconds(16'666'667));
}

TEST(FrameIntervals, CountsTheSlowFramesIntoTheRightPercentile) {
  // One slow frame in a hundred stays out of the 99th percentile; two do not.
  const FrameIntervals one = Shown({{99, milliseconds(16)}, {1, milliseconds(40)}});
  EXPECT_EQ(one.Percentile(0.99), milliseconds(16) + FrameIntervals::kBinWidth);
  EXPECT_EQ(one.Percentile(0.5), milliseconds(16) + FrameIntervals::kBinWidth);
  EXPECT_EQ(one.Longest(), milliseconds(40));
  const FrameIntervals two = Shown({{98, milliseconds(16)}, {2, milliseconds(40)}});
  EXPECT_EQ(two.Percentile(0.99), milliseconds(40));
  // The mean rate is over the whole time, slow frames included.
  EXPECT_NEAR(two.MeanRate(), 100 / (98 * 0.016 + 2 * 0.040), 1e-9);
}

TEST(FrameIntervals, KeepsTheExactLongestBeyondTheHistogramsRange) {
  const FrameIntervals stalled = Shown({{10, milliseconds(16)}, {1, std::chrono::seconds(5)}});
  EXPECT_EQ(stalled.Longest(), std::chrono::seconds(5));
  EXPECT_EQ(stalled.Percentile(1.0), std::chrono::seconds(5));
  EXPECT_EQ(stalled.Percentile(0.5), milliseconds(16) + FrameIntervals::kBinWidth);
}

TEST(FrameIntervals, ReportsNothingBeforeTwoFrames) {
  FrameIntervals none;
  EXPECT_EQ(none.MeanRate(), 0);
  EXPECT_EQ(none.Percentile(0.99), Nanoseconds{0});
  none.FrameShown(milliseconds(5));
  EXPECT_EQ(none.Frames(), 1);
  EXPECT_EQ(none.MeanRate(), 0);
  EXPECT_EQ(none.Percentile(0.5), Nanoseconds{0});
}

TEST(StatsReport, NamesEveryFigureOfTheRun) {
  const FrameIntervals frames = Shown({{99, milliseconds(16)}, {1, milliseconds(40)}});
  RunCost cost;
  cost.cpuSeconds = 1.5;
  cost.wallSeconds = 60;
  cost.peakMemoryKiB = 30000;
  cost.frameShown = true;
  cost.startToFirstFrameSeconds = 0.0825;
  const std::string report = StatsReport(3600, frames, cost);
  for (const char* line :
       {"passes run:              3600\n", "frames shown:            101\n",
        "frame interval p99:      16.010 ms\n", "frame interval longest:  40.000 ms\n",
        "CPU time:                1.500 s in 60.000 s (2.5 % of one core)\n",
        "start to first frame:    82.5 ms\n", "peak memory:             30000 KiB\n"}) {
    EXPECT_NE(report.find(line), std::string::npos) << line << "in\n" << report;
  }
  EXPECT_NE(report.find("mean rate:"), std::string::npos);
  EXPECT_NE(report.find("frame interval p50:"), std::string::npos);

  cost.frameShown = false;
  EXPECT_NE(StatsReport(0, FrameIntervals{}, cost).find("start to first frame:    no frame shown"),
            std::string::npos);
}

}  // namespace

}  // namespace ridgeline
