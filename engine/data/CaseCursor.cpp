#include "engine/data/CaseCursor.h"

#include <cstring>

#include "engine/data/LazyCsvColumns.h"

CaseCursor::CaseCursor(const CaseData& data) : data_(data), stream_(data.lazy ? data.lazy->OpenStream() : nullptr) {
  for (int column = 0; column < data.dictionary.VariableCount(); ++column) {
    cells_.push_back(data.dictionary.Variable(column)->Cells());
    ready_.push_back(data.IsRead(column));
  }
}

void CaseCursor::ReadColumn(int column) const {
  data_.Need(column);
  cells_[static_cast<std::size_t>(column)] = data_.dictionary.Variable(column)->Cells();
  ready_[static_cast<std::size_t>(column)] = 1;
}

const OBS* CaseCursor::CellAt(int column, long row) const {
  if (column < 0 || column >= static_cast<int>(cells_.size()) || row < 0 || row >= data_.caseCount) return nullptr;
  if (stream_ && stream_->Streams(column)) return stream_->Cell(column, row);
  if (!ready_[static_cast<std::size_t>(column)]) ReadColumn(column);
  return data_.columns[static_cast<std::size_t>(column)].data() + row * cells_[static_cast<std::size_t>(column)];
}

bool CaseCursor::SameValues(const std::vector<int>& columns, long rowA, long rowB) const {
  for (int column : columns) {
    const OBS* a = CellAt(column, rowA);
    const OBS* b = CellAt(column, rowB);
    int cells = cells_[static_cast<std::size_t>(column)];
    bool same = data_.dictionary.Variable(column)->IsString()
                    ? std::memcmp(a, b, static_cast<std::size_t>(cells) * sizeof(OBS)) == 0
                    : a->number == b->number;
    if (!same) return false;
  }
  return true;
}
