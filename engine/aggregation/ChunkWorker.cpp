#include "engine/aggregation/ChunkWorker.h"

ChunkWorker::ChunkWorker(std::function<void(const CaseChunk&)> process) : process_(std::move(process)) {
  if (std::thread::hardware_concurrency() > 1) thread_ = std::thread(&ChunkWorker::Run, this);
}

ChunkWorker::~ChunkWorker() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.clear();  // the cases may be gone already
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ChunkWorker::Post(CaseChunk chunk) {
  if (chunk.rows == 0) return;
  if (!thread_.joinable()) {
    process_(chunk);
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
  queue_.push_back(std::move(chunk));
  changed_.notify_all();
}

void ChunkWorker::Drain() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void ChunkWorker::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    if (queue_.empty()) return;  // stopping with nothing left
    CaseChunk chunk = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    changed_.notify_all();
    lock.unlock();
    try {
      process_(chunk);
    } catch (...) {
      lock.lock();
      failure_ = std::current_exception();
      lock.unlock();
    }
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}
