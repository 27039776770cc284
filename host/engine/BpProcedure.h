#pragma once
#include <string>

#include "BpPivotTable.h"

// The output of one procedure: opened at construction, closed at destruction.
class BpProcedure : public BpHeading {
 public:
  BpProcedure(const std::string& title, int show);
  ~BpProcedure() override;
  BpProcedure(const BpProcedure&) = delete;
  BpProcedure& operator=(const BpProcedure&) = delete;

  // Marks the end of a split-file group in the output.
  void SplitChange();
  BpFormat Count() const { return BpFormat::kCount; }
  BpFormat GeneralStat() const { return BpFormat::kGeneralStat; }
};
