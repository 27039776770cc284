#pragma once
#include "OBS.h"

// Delivers the cases of a data source one at a time.
class VEXA_InputCaseIterator {
 public:
  virtual ~VEXA_InputCaseIterator() = default;
  // Non-zero while a case is current (or, for split-aware data, at a split stop).
  virtual int NextCase() = 0;
  // The current case's cell(s) of a column; null when there is none.
  virtual const OBS* GetObsPointer(int column) const = 0;
  // The current case's number, counting from 1 in file order.
  virtual long GetCaseNumber() const = 0;
};

// The iterator over the procedure's data: it stops once at the end of every
// split-file group but the last.
class ProcDSIterator : public VEXA_InputCaseIterator {
 public:
  // True at a split stop, where no case is current.
  virtual bool SplitGroupEnd() const = 0;
};
