#pragma once
#include "VEXA_InputCaseIterator.h"
#include "engine/data/CaseCursor.h"
#include "engine/data/CursorColumnAccess.h"
#include "engine/progress/ProgressLine.h"

// Delivers every case of a loaded data set, as one group.
class PlainCaseIterator : public VEXA_InputCaseIterator, public CursorColumnAccess {
 public:
  PlainCaseIterator(const VEXA_DataSource* dictionary, const CaseData& data)
      : CursorColumnAccess(dictionary, data, cursor_),
        cursor_(data),
        progress_("Reading cases", static_cast<std::uint64_t>(data.caseCount), ProgressLine::Unit::kCases) {}

  int NextCase() override;
  const OBS* GetObsPointer(int column) const override { return cursor_.CellAt(column, cursor_.Row()); }
  long GetCaseNumber() const override { return cursor_.Row() + 1; }

 private:
  [[gnu::noinline]] int MoveAndReport();

  CaseCursor cursor_;
  ProgressLine progress_;
};
