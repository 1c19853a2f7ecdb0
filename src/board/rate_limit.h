#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace ridgeline {

// So many submissions a minute from one address, in bursts of up to that
// many: each address holds a bucket of that many tokens, filled again at an
// even rate, and a submission takes one.
class RateLimit {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RateLimit(int perMinute) : perMinute_(perMinute) {}

  // Takes a token for `address`; false, with `wait` set to the seconds until
  // the next one, when its bucket is empty.
  bool Allow(const std::string& address, Clock::time_point now, int& wait);

 private:
  struct Bucket {
    double tokens;
    Clock::time_point filled;
  };

  int perMinute_;
  std::mutex mutex_;
  std::map<std::string, Bucket> buckets_;
};

}  // namespace ridgeline
