#include "engine/data/PlainCaseIterator.h"

int PlainCaseIterator::NextCase() {
  if (!cursor_.HasNext()) {
    cursor_.MoveToEnd();  // no case is current any more
    return 0;
  }
  cursor_.MoveToNext();
  ReportEvery(cursor_.Row(), progress_);
  return 1;
}
