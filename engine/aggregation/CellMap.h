#pragma once
#include <vector>

#include "engine/aggregation/PairIndex.h"

// Numbers the cells of a cube (one code per dimension) in order of first
// appearance, pairing the codes dimension by dimension.
class CellMap {
 public:
  void Reset(int dimensions);

  // The cell of `codes` (one per dimension), numbered anew when unseen.
  int CellOf(const int* codes) {
    if (dimensions_ == 0) return CellOfPrefix(0, codes);
    int prefix = codes[0];
    bool added = false;
    for (int d = 1; d < dimensions_; ++d) prefix = levels_[d - 1].FindOrAdd(prefix, codes[d], &added);
    return CellOfPrefix(prefix, codes);
  }
  // The cell of `codes`, or -1 when no case entered it.
  int FindCell(const int* codes) const;

  int CellCount() const { return cells_; }
  const int* CodesOf(int cell) const { return &codes_[static_cast<std::size_t>(cell) * dimensions_]; }

 private:
  // The last level's number of a code tuple, mapped to its cell.
  int CellOfPrefix(int prefix, const int* codes) {
    if (prefix >= static_cast<int>(cellOfLast_.size())) cellOfLast_.resize(prefix + 1, -1);
    int& cell = cellOfLast_[prefix];
    if (cell < 0) {
      cell = cells_++;
      codes_.insert(codes_.end(), codes, codes + dimensions_);
    }
    return cell;
  }

  int dimensions_ = 0;
  std::vector<PairIndex> levels_;  // level d numbers (prefix of d + 1 codes, code d + 1)
  std::vector<int> cellOfLast_;
  std::vector<int> codes_;
  int cells_ = 0;
};
