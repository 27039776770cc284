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

// Delivers the cases of the procedure's data and stops once between two
// split groups: runs of consecutive cases with equal split values. There is
// no stop before the first group or after the last one.
class SplitCaseIterator : public ProcDSIterator {
 public:
  SplitCaseIterator(const CaseData& data, std::vector<int> splits) : cursor_(data), splits_(std::move(splits)) {}

  int NextCase() override;
  // At a stop no case is current: no cells and case number 0.
  const OBS* GetObsPointer(int column) const override;
  long GetCaseNumber() const override { return atStop_ ? 0 : cursor_.Row() + 1; }
  bool SplitGroupEnd() const override { return atStop_; }

 private:
  CaseCursor cursor_;
  std::vector<int> splits_;
  bool atStop_ = false;
};
