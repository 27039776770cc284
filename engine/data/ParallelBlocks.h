#pragma once
#include <cstddef>
#include <functional>

// Runs work(block, worker) for every block in [0, count) on up to `workers`
// threads, each taking the next block when it is done with one. worker is the
// thread's number, for per-thread buffers. With one worker nothing is started.
void ParallelBlocks(std::size_t count, int workers, const std::function<void(std::size_t, int)>& work);

// The number of threads a load uses: every core.
int LoadThreads();
