#include "engine/aggregation/CellMap.h"

void CellMap::Reset(int dimensions) {
  dimensions_ = dimensions;
  levels_.assign(dimensions > 1 ? dimensions - 1 : 0, PairIndex());
  cellOfCode_.clear();
  codes_.clear();
  cells_ = 0;
}

int CellMap::FindCell(const int* codes) const {
  if (dimensions_ <= 1) {
    const int code = dimensions_ == 0 ? 0 : codes[0];
    return code >= 0 && code < static_cast<int>(cellOfCode_.size()) ? cellOfCode_[code] : -1;
  }
  int prefix = codes[0];
  for (int d = 1; d < dimensions_ && prefix >= 0; ++d) prefix = levels_[d - 1].Find(prefix, codes[d]);
  return prefix;
}
