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
  if (data_.lazy) data_.Need(column);  // a bulk read of kept data costs no more than before
  *cells = data_.Cell(column, first);
  *stride = data_.dictionary.Variable(column)->Cells();
  return std::min<std::int64_t>(count, data_.caseCount - first);
}
