#include "engine/aggregation/ChunkWorker.h"

ChunkWorker::ChunkWorker(int parts, std::function<void(int, const CaseChunk&)> process)
    : parts_(parts), process_(std::move(process)), busy_(parts, 0) {
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
  const int part = static_cast<int>(posted_++ % parts_);
  if (!thread_.joinable()) {
    process_(part, chunk);
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  queue_.push_back(Task{part, std::move(chunk)});
  changed_.notify_all();
  while (queue_.size() > kMaxQueued) {
    Task task;
    if (TakeRunnable(&task)) {
      RunTask(lock, task);
    } else {
      changed_.wait(lock);
    }
  }
}

void ChunkWorker::Drain() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    Task task;
    if (TakeRunnable(&task)) {
      RunTask(lock, task);
    } else if (queue_.empty() && running_ == 0) {
      break;
    } else {
      changed_.wait(lock);
    }
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

bool ChunkWorker::TakeRunnable(Task* task) {
  for (auto it = queue_.begin(); it != queue_.end(); ++it) {
    if (busy_[it->part]) continue;
    *task = std::move(*it);
    queue_.erase(it);
    return true;
  }
  return false;
}

void ChunkWorker::RunTask(std::unique_lock<std::mutex>& lock, const Task& task) {
  busy_[task.part] = 1;
  ++running_;
  lock.unlock();
  std::exception_ptr failure;
  try {
    process_(task.part, task.chunk);
  } catch (...) {
    failure = std::current_exception();
  }
  lock.lock();
  if (failure && !failure_) failure_ = failure;
  busy_[task.part] = 0;
  --running_;
  changed_.notify_all();
}

void ChunkWorker::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    Task task;
    if (TakeRunnable(&task)) {
      RunTask(lock, task);
    } else if (stop_) {
      return;
    } else {
      changed_.wait(lock);
    }
  }
}
