#pragma once

#include <chrono>

namespace ridgeline {

// What the operating system tells about the running process, for --stats
// and for the score board's cap on the time one check may take.

// Now, on the clock that ProcessStartTime is given in.
std::chrono::nanoseconds ProcessClockNow();
// When the process was started, as early as the system records it.
std::chrono::nanoseconds ProcessStartTime();
// Processor time used so far, user and system together.
double ProcessCpuSeconds();
// Processor time used so far by the calling thread alone.
double ThreadCpuSeconds();
// The most memory the process has held at once.
long ProcessPeakMemoryKiB();

}  // namespace ridgeline
