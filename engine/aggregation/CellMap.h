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
    if (dimensions_ <= 1) return CellOfCode(dimensions_ == 0 ? 0 : codes[0], codes);
    int prefix = codes[0];
    bool added = false;
    for (int d = 1; d < dimensions_; ++d) prefix = levels_[d - 1].FindOrAdd(prefix, codes[d], &added);
    if (added) AddCell(codes);  // the last level numbers the cells
    return prefix;
  }
  // CellOf for two dimensions.
  int CellOf(int first, int second) {
    bool added = false;
    const int cell = levels_[0].FindOrAdd(first, second, &added);
    if (added) {
      const int codes[2] = {first, second};
      AddCell(codes);
    }
    return cell;
  }
  // The cell of `codes`, or -1 when no case entered it.
  int FindCell(const int* codes) const;

  int CellCount() const { return cells_; }
  // data() + offset: a cube without break variables holds no codes at all.
  const int* CodesOf(int cell) const { return codes_.data() + static_cast<std::size_t>(cell) * dimensions_; }

 private:
  // With one dimension (or none: code 0) the cells follow the codes.
  int CellOfCode(int code, const int* codes) {
    if (code >= static_cast<int>(cellOfCode_.size())) cellOfCode_.resize(code + 1, -1);
    int& cell = cellOfCode_[code];
    if (cell < 0) {
      cell = cells_;
      AddCell(codes);
    }
    return cell;
  }
  void AddCell(const int* codes) {
    ++cells_;
    codes_.insert(codes_.end(), codes, codes + dimensions_);
  }

  int dimensions_ = 0;
  std::vector<PairIndex> levels_;  // level d numbers (prefix of d + 1 codes, code d + 1)
  std::vector<int> cellOfCode_;
  std::vector<int> codes_;
  int cells_ = 0;
};
