#pragma once
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/aggregation/CaseRecorder.h"

// Aggregates recorded chunks into the parts of a cube: chunk k into part
// k % parts, each part's chunks in the order they came, so that the results
// do not depend on timing. A second thread works while the caller goes on
// adding cases; the caller lends a hand when chunks pile up and while it
// waits for the rest. On a machine with one core the chunks are processed
// at once instead.
class ChunkWorker {
 public:
  ChunkWorker(int parts, std::function<void(int part, const CaseChunk&)> process);
  // Drops the chunks still waiting; the one in progress completes.
  ~ChunkWorker();
  ChunkWorker(const ChunkWorker&) = delete;
  ChunkWorker& operator=(const ChunkWorker&) = delete;

  void Post(CaseChunk chunk);
  // Waits until every posted chunk is processed; rethrows a failure of the
  // processing here, on the caller's thread.
  void Drain();
  // The next chunk goes to the first part again.
  void Restart() { posted_ = 0; }

 private:
  struct Task {
    int part = 0;
    CaseChunk chunk;
  };
  // Chunks waiting at most: bounds the copies held when cells are captured.
  static constexpr std::size_t kMaxQueued = 4;

  // The oldest chunk of a part that no thread is working on.
  bool TakeRunnable(Task* task);
  // Processes a task with the lock released.
  void RunTask(std::unique_lock<std::mutex>& lock, const Task& task);
  void Run();

  int parts_;
  std::function<void(int, const CaseChunk&)> process_;
  long posted_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Task> queue_;
  std::vector<char> busy_;  // per part
  int running_ = 0;
  bool stop_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};
