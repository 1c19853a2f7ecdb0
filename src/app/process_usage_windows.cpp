#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include "app/process_usage.h"

namespace ridgeline {

namespace {

using Nanoseconds = std::chrono::nanoseconds;

// A FILETIME counts 100-nanosecond steps.
Nanoseconds Duration(const FILETIME& time) {
  const ULONGLONG steps = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return Nanoseconds(static_cast<long long>(steps) * 100);
}

struct Times {
  FILETIME created, exited, kernel, user;
};

Times ProcessTimes() {
  Times t{};
  GetProcessTimes(GetCurrentProcess(), &t.created, &t.exited, &t.kernel, &t.user);
  return t;
}

}  // namespace

// Windows gives the process's start as a time of day, on the system clock.
Nanoseconds ProcessClockNow() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return Duration(now);
}

Nanoseconds ProcessStartTime() {
  return Duration(ProcessTimes().created);
}

double ProcessCpuSeconds() {
  const Times t = ProcessTimes();
  return std::chrono::duration<double>(Duration(t.kernel) + Duration(t.user)).count();
}

double ThreadCpuSeconds() {
  Times t{};
  GetThreadTimes(GetCurrentThread(), &t.created, &t.exited, &t.kernel, &t.user);
  return std::chrono::duration<double>(Duration(t.kernel) + Duration(t.user)).count();
}

long ProcessPeakMemoryKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

}  // namespace ridgeline
