#pragma once
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "engine/aggregation/CaseRecorder.h"

// Aggregates recorded chunks on a second thread while the caller goes on
// adding cases, so that reading the cases and computing overlap. On a
// machine with one core the chunks are processed at once instead.
class ChunkWorker {
 public:
  explicit ChunkWorker(std::function<void(const CaseChunk&)> process);
  // Drops the chunks still waiting; the one in progress completes.
  ~ChunkWorker();
  ChunkWorker(const ChunkWorker&) = delete;
  ChunkWorker& operator=(const ChunkWorker&) = delete;

  void Post(CaseChunk chunk);
  // Waits until every posted chunk is processed; rethrows a failure of the
  // processing here, on the caller's thread.
  void Drain();

 private:
  // Chunks waiting at most: bounds the copies held when cells are captured.
  static constexpr std::size_t kMaxQueued = 4;

  void Run();

  std::function<void(const CaseChunk&)> process_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<CaseChunk> queue_;
  bool busy_ = false;
  bool stop_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};
