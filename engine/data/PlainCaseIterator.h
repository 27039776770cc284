#pragma once
#include "VEXA_InputCaseIterator.h"
#include "engine/data/CaseCursor.h"

// Delivers every case of a loaded data set, as one group.
class PlainCaseIterator : public VEXA_InputCaseIterator {
 public:
  explicit PlainCaseIterator(const CaseData& data) : cursor_(data) {}

  int NextCase() override;
  const OBS* GetObsPointer(int column) const override { return cursor_.CellAt(column, cursor_.Row()); }
  long GetCaseNumber() const override { return cursor_.Row() + 1; }

 private:
  CaseCursor cursor_;
};
