#include "board/rate_limit.h"

#include <algorithm>
#include <cmath>

namespace ridgeline {

namespace {

// Buckets kept before the full ones, which say nothing, are let go.
constexpr std::size_t kBucketsKept = 10000;

}  // namespace

bool RateLimit::Allow(const std::string& address, Clock::time_point now, int& wait) {
  const double perSecond = perMinute_ / 60.0;
  const auto tokensNow = [&](const Bucket& bucket) {
    const double seconds = std::chrono::duration<double>(now - bucket.filled).count();
    return std::min<double>(perMinute_, bucket.tokens + seconds * perSecond);
  };
  std::lock_guard lock(mutex_);
  if (buckets_.size() >= kBucketsKept) {
    std::erase_if(buckets_,
                  [&](const auto& entry) { return tokensNow(entry.second) >= perMinute_; });
  }
  auto [entry, added] = buckets_.try_emplace(address, Bucket{double(perMinute_), now});
  Bucket& bucket = entry->second;
  bucket = {tokensNow(bucket), now};
  if (bucket.tokens >= 1) {
    bucket.tokens -= 1;
    return true;
  }
  wait = static_cast<int>(std::ceil((1 - bucket.tokens) / perSecond));
  return false;
}

}  // namespace ridgeline
