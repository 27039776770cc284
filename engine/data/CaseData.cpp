#include "engine/data/CaseData.h"

#include "engine/data/LazyCsvColumns.h"

void CaseData::Need(const std::vector<int>& columnsToRead) const {
  // The object is only ever created non-const; its columns are filled in
  // place as they are first used.
  if (lazy) lazy->Keep(const_cast<CaseData&>(*this), columnsToRead);
}

void CaseData::Know(const std::vector<int>& columnsToKnow) const {
  if (lazy) lazy->Know(const_cast<CaseData&>(*this), columnsToKnow);
}

bool CaseData::IsRead(int column) const { return !lazy || lazy->IsKept(column); }
