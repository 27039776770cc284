#include "engine/data/PlainCaseIterator.h"

int PlainCaseIterator::NextCase() {
  if (!cursor_.HasNext()) {
    cursor_.MoveToEnd();  // no case is current any more
    return 0;
  }
  // Most moves over kept columns only count the row: the rest is out of
  // line, so that this stays a leaf call in the module's case loop.
  if (cursor_.Streams() || IsReportRow(cursor_.Row() + 1)) return MoveAndReport();
  cursor_.CountNext();
  return 1;
}

int PlainCaseIterator::MoveAndReport() {
  cursor_.MoveToNext();
  ReportEvery(cursor_.Row(), progress_);
  return 1;
}
