#include "sim/thread_pool.hpp"

#include <algorithm>

namespace polycryst::sim {

ThreadPool::ThreadPool(int threads) {
  for (int i = 1; i < std::max(threads, 1); ++i) workers_.emplace_back([this, i] { Work(i); });
}

ThreadPool::~ThreadPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  start_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void ThreadPool::Run(const std::function<void(int)>& task) {
  if (workers_.empty()) {
    task(0);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    task_ = &task;
    pending_ = static_cast<int>(workers_.size());
    ++generation_;
  }
  start_.notify_all();
  task(0);
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return pending_ == 0; });
  task_ = nullptr;
}

void ThreadPool::Work(int index) {
  unsigned seen = 0;
  while (true) {
    const std::function<void(int)>* task = nullptr;
    {
      std::unique_lock lock(mutex_);
      start_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
      task = task_;
    }
    (*task)(index);
    {
      std::lock_guard lock(mutex_);
      --pending_;
    }
    done_.notify_one();
  }
}

int MachineThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

}  // namespace polycryst::sim
