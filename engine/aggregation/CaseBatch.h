#pragma once
#include <vector>

#include "OBS.h"

// The cells of one column for the rows of a batch: row i starts at cells[i * stride].
struct ColumnView {
  const OBS* cells = nullptr;
  int stride = 1;

  const OBS* Row(int i) const { return cells + static_cast<long>(i) * stride; }
};

// Streams through `rows` cells of a column one apart in blocks, asking for
// the cells a stretch ahead before each block, so that the loop does not
// wait for memory: visit(first, end) per block.
template <class Visit>
void StreamRows(const OBS* cells, int rows, Visit visit) {
  constexpr int kBlock = 64, kAhead = 1024;  // rows: 8 cache lines a block
  for (int first = 0; first < rows; first += kBlock) {
    for (int line = 0; line < kBlock; line += 8) __builtin_prefetch(cells + first + kAhead + line);
    visit(first, first + kBlock < rows ? first + kBlock : rows);
  }
}

// Up to kRows consecutive recorded cases, one view per bound column slot.
struct CaseBatch {
  static constexpr int kRows = 2048;
  int rows = 0;
  std::vector<ColumnView> slots;
};
