#include "engine/aggregation/CellMap.h"

void CellMap::Reset(int dimensions) {
  dimensions_ = dimensions;
  levels_.assign(dimensions > 1 ? dimensions - 1 : 0, PairIndex());
  cellOfLast_.clear();
  codes_.clear();
  cells_ = 0;
}

int CellMap::FindCell(const int* codes) const {
  int prefix = dimensions_ == 0 ? 0 : codes[0];
  for (int d = 1; d < dimensions_ && prefix >= 0; ++d) prefix = levels_[d - 1].Find(prefix, codes[d]);
  if (prefix < 0 || prefix >= static_cast<int>(cellOfLast_.size())) return -1;
  return cellOfLast_[prefix];
}
