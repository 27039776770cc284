#pragma once
#include "OBS.h"

// The value labels of one variable.
class VEXA_ValueLabelMap {
 public:
  virtual ~VEXA_ValueLabelMap() = default;
  virtual int Size() const = 0;
  // Restarts GetNextPair at the first pair.
  virtual void Reset() = 0;
  // The next (value, label) pair, in the order the labels were defined;
  // false after the last.
  virtual bool GetNextPair(OBS* value, const char** label) = 0;
  // The label of a value, or null when it has none.
  virtual const char* GetLabel(const OBS* cell) const = 0;
  virtual const char* GetLabel(double value) const = 0;
  virtual const char* GetLabel(const char* text) const = 0;
};
