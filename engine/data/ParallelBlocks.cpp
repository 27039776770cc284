#include "engine/data/ParallelBlocks.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void ParallelBlocks(std::size_t count, int workers, const std::function<void(std::size_t, int)>& work) {
  workers = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(std::max(workers, 1)), count));
  std::atomic<std::size_t> next{0};
  auto run = [&](int worker) {
    for (std::size_t block = next++; block < count; block = next++) work(block, worker);
  };
  if (workers <= 1) {
    run(0);
    return;
  }
  std::vector<std::thread> threads;
  for (int worker = 1; worker < workers; ++worker) threads.emplace_back(run, worker);
  run(0);
  for (std::thread& thread : threads) thread.join();
}

int LoadThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }
