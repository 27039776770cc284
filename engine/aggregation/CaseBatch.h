#pragma once
#include <vector>

#include "OBS.h"

// The cells of one column for the rows of a batch: row i starts at cells[i * stride].
struct ColumnView {
  const OBS* cells = nullptr;
  int stride = 1;

  const OBS* Row(int i) const { return cells + static_cast<long>(i) * stride; }
};

// Up to kRows consecutive recorded cases, one view per bound column slot.
struct CaseBatch {
  static constexpr int kRows = 2048;
  int rows = 0;
  std::vector<ColumnView> slots;
};
