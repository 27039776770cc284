#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/aggregation/CellAccumulators.h"

// The valid values of one variable per cell (with their weights when the
// cases are weighted), for the order statistics. Each cell's values lie in a
// chain of blocks that double in size, cut from large slabs on huge pages:
// appending never moves values, and memory comes in few page faults.
class ValueStore {
 public:
  explicit ValueStore(bool weighted) : weighted_(weighted) {}
  ~ValueStore();
  ValueStore(ValueStore&& other) noexcept;
  ValueStore(const ValueStore&) = delete;
  ValueStore& operator=(const ValueStore&) = delete;
  ValueStore& operator=(ValueStore&&) = delete;

  void EnsureCells(std::size_t cells) {
    if (chains_.size() < cells) chains_.resize(cells);
  }
  void Add(int cell, double x, double w) {
    Chain& chain = chains_[cell];
    if (chain.fill == chain.capacity) Grow(chain);
    chain.block[chain.fill] = x;
    if (weighted_) chain.block[chain.capacity + chain.fill] = w;
    ++chain.fill;
    ++chain.count;
  }
  std::size_t Count(int cell) const { return chains_[cell].count; }
  std::size_t TotalCount() const;
  // Appends a cell's values (and weights) to `out`.
  void Gather(int cell, ValueBucket& out) const;
  // Empties every cell; the slabs stay for reuse.
  void Clear();

 private:
  struct Chain {
    double* first = nullptr;
    double* block = nullptr;  // the last block
    int fill = 0;
    int capacity = 0;
    std::size_t count = 0;
  };
  // Before each block's values: the next block and the block's capacity.
  struct BlockHeader {
    double* next;
    std::int64_t capacity;
  };
  static BlockHeader* HeaderOf(double* block) { return reinterpret_cast<BlockHeader*>(block) - 1; }

  void Grow(Chain& chain);
  double* Allocate(std::size_t doubles);

  bool weighted_;
  std::vector<Chain> chains_;
  std::vector<double*> slabs_;
  std::size_t slab_ = 0;  // the slab being cut
  std::size_t used_ = 0;  // doubles cut from it
};
