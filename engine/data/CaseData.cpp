#include "engine/data/CaseData.h"

#include "engine/data/LazyCsvColumns.h"

void CaseData::Need(const std::vector<int>& columnsToRead) const {
  // The object is only ever created non-const; its columns are filled in
  // place as they are first used.
  if (lazy) lazy->Read(const_cast<CaseData&>(*this), columnsToRead);
}

bool CaseData::IsRead(int column) const { return !lazy || lazy->IsRead(column); }
