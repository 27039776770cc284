#include "engine/data/SplitCaseIterator.h"

int SplitCaseIterator::NextCase() {
  if (!cursor_.HasNext()) {
    atStop_ = false;
    cursor_.MoveToEnd();
    return 0;
  }
  long row = cursor_.Row();
  if (!atStop_ && row >= 0 && !splits_.empty() && !cursor_.SameValues(splits_, row, row + 1)) {
    atStop_ = true;
    return 1;
  }
  atStop_ = false;
  cursor_.MoveToNext();
  ReportEvery(cursor_.Row(), progress_);
  return 1;
}

const OBS* SplitCaseIterator::GetObsPointer(int column) const {
  return atStop_ ? nullptr : cursor_.CellAt(column, cursor_.Row());
}
