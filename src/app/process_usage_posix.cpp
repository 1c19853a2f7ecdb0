#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/process_usage.h"

namespace ridgeline {

namespace {

using Nanoseconds = std::chrono::nanoseconds;

// Until main runs, this is as early as the program can look at the clock.
const Nanoseconds programLoaded = ProcessClockNow();

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

rusage Usage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
}

}  // namespace

// The clock that process start times are given in on Linux: time since boot.
Nanoseconds ProcessClockNow() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return std::chrono::seconds(now.tv_sec) + Nanoseconds(now.tv_nsec);
}

// The kernel counts the start in clock ticks (10 ms), rounded down, so times
// measured from it err on the long side. Where it cannot be read, the moment
// the program was loaded.
Nanoseconds ProcessStartTime() {
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

double ProcessCpuSeconds() {
  const rusage usage = Usage();
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double ThreadCpuSeconds() {
  timespec used{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
  return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) * 1e-9;
}

long ProcessPeakMemoryKiB() {
  return Usage().ru_maxrss;
}

}  // namespace ridgeline
