#pragma once
// A fixed set of worker threads, created once, that run one batch of tasks at a time.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace polycryst::sim {

class ThreadPool {
 public:
  explicit ThreadPool(int threads);  // threads - 1 workers; the caller is the last one
  ~ThreadPool();
  ThreadPool(const ThreadPool&) = delete;
  ThreadPool& operator=(const ThreadPool&) = delete;

  int Threads() const { return static_cast<int>(workers_.size()) + 1; }

  // Runs task(0) .. task(Threads() - 1), one on each thread, and returns when all are done.
  void Run(const std::function<void(int)>& task);

 private:
  void Work(int index);

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable start_;
  std::condition_variable done_;
  const std::function<void(int)>* task_ = nullptr;
  unsigned generation_ = 0;
  int pending_ = 0;
  bool stopping_ = false;
};

// The machine's cores, at least one.
int MachineThreads();

}  // namespace polycryst::sim
