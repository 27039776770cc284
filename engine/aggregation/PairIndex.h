#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/aggregation/FlatMap64.h"

// Numbers the distinct pairs (a, b) of non-negative ints 0, 1, 2, ... in
// order of first appearance. A table indexed by (a, b) while the ranges
// seen are small, a hash map once the table would pass kDenseLimit entries:
// the cost follows the pairs met, never the product of all ranges.
class PairIndex {
 public:
  PairIndex() { Clear(); }

  int FindOrAdd(int a, int b, bool* added) {
    *added = false;
    if (dense_ && static_cast<unsigned>(a) < capA_ && static_cast<unsigned>(b) < capB_) {
      int& id = table_[(static_cast<std::size_t>(a) << shiftB_) | static_cast<unsigned>(b)];
      if (id < 0) {
        id = count_++;
        *added = true;
      }
      return id;
    }
    return FindOrAddSlowly(a, b, added);
  }

  // The pair's number, or -1.
  int Find(int a, int b) const;
  int Count() const { return count_; }
  void Clear();

 private:
  static constexpr std::size_t kDenseLimit = std::size_t{1} << 20;

  int FindOrAddSlowly(int a, int b, bool* added);
  void Widen(unsigned capA, unsigned capB);
  static std::uint64_t Key(int a, int b) {
    return (static_cast<std::uint64_t>(static_cast<unsigned>(a)) << 32) | static_cast<unsigned>(b);
  }

  bool dense_ = true;
  unsigned capA_ = 0;
  unsigned capB_ = 0;
  unsigned shiftB_ = 0;
  std::vector<int> table_;
  FlatMap64 map_;
  int count_ = 0;
};
