#include "board/work_queue.h"

namespace ridgeline {

WorkQueue::WorkQueue(std::size_t workers, std::size_t length) : length_(length) {
  for (std::size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

WorkQueue::~WorkQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  ready_.notify_all();
  for (auto& worker : workers_) worker.join();
}

bool WorkQueue::TryPush(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    if (stopping_ || queue_.size() >= length_) return false;
    queue_.push_back(std::move(work));
  }
  ready_.notify_one();
  return true;
}

void WorkQueue::Work() {
  for (;;) {
    std::function<void()> work;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      work = std::move(queue_.front());
      queue_.pop_front();
    }
    work();
  }
}

}  // namespace ridgeline
