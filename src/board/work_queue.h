#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ridgeline {

// A fixed pool of worker threads and a queue of bounded length in front of
// them: work that finds the queue full is refused at once, so that a flood
// of submissions makes callers wait no longer than the queue's length.
class WorkQueue {
 public:
  WorkQueue(std::size_t workers, std::size_t length);
  // Runs the work still queued, then stops the workers.
  ~WorkQueue();
  WorkQueue(const WorkQueue&) = delete;
  WorkQueue& operator=(const WorkQueue&) = delete;

  // Queues `work`; false when the queue is full.
  bool TryPush(std::function<void()> work);

 private:
  void Work();

  std::size_t length_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::function<void()>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace ridgeline
