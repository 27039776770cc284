#include "engine/data/CursorColumnAccess.h"

#include <algorithm>

bool CursorColumnAccess::HasUserMissingValues(int column) const {
  if (column < 0 || column >= data_.dictionary.VariableCount()) return false;
  return !data_.dictionary.Variable(column)->Definition().missing.Empty();
}

std::int64_t CursorColumnAccess::ReadColumn(int column, std::int64_t first, std::int64_t count, const OBS** cells,
                                            int* stride) const {
  if (column < 0 || column >= data_.dictionary.VariableCount() || first < 0 || first >= data_.caseCount || count < 1)
    return 0;
  const ColumnStream* stream = cursor_.Stream();
  if (stream && stream->Streams(column)) {
    *stride = data_.dictionary.Variable(column)->Cells();
    return stream->Cells(column, first, count, cells);
  }
  if (data_.lazy) data_.Need(column);  // a bulk read of kept data costs no more than before
  *cells = data_.Cell(column, first);
  *stride = data_.dictionary.Variable(column)->Cells();
  return std::min<std::int64_t>(count, data_.caseCount - first);
}

std::shared_ptr<const void> CursorColumnAccess::HoldRows(std::int64_t row) const {
  const ColumnStream* stream = cursor_.Stream();
  return stream ? stream->Hold(static_cast<long>(row)) : nullptr;
}

std::int64_t CursorColumnAccess::RunEnd(std::int64_t row) const {
  const ColumnStream* stream = cursor_.Stream();
  return stream && row >= 0 ? stream->ChunkEnd() : INT64_MAX;
}
