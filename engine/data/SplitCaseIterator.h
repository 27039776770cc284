#pragma once
#include <vector>

#include "VEXA_InputCaseIterator.h"
#include "engine/data/CaseCursor.h"
#include "engine/data/CursorColumnAccess.h"
#include "engine/progress/ProgressLine.h"

// Delivers the cases of the procedure's data and stops once between two
// split groups: runs of consecutive cases with equal split values. There is
// no stop before the first group or after the last one.
class SplitCaseIterator : public ProcDSIterator, public CursorColumnAccess {
 public:
  SplitCaseIterator(const VEXA_DataSource* dictionary, const CaseData& data, std::vector<int> splits)
      : CursorColumnAccess(dictionary, data, cursor_),
        cursor_(data),
        splits_(std::move(splits)),
        progress_("Reading cases", static_cast<std::uint64_t>(data.caseCount), ProgressLine::Unit::kCases) {}

  int NextCase() override;
  // At a stop no case is current: no cells and case number 0.
  const OBS* GetObsPointer(int column) const override;
  long GetCaseNumber() const override { return atStop_ ? 0 : cursor_.Row() + 1; }
  bool SplitGroupEnd() const override { return atStop_; }

 private:
  CaseCursor cursor_;
  std::vector<int> splits_;
  bool atStop_ = false;
  ProgressLine progress_;
};
