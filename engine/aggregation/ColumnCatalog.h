#pragma once
#include <string>

#include "OBS.h"

class CaseColumnAccess;
class VEXA_Variable;

// What the aggregation needs to know of one column of the cases.
struct ColumnInfo {
  int column = -1;
  bool exists = false;
  int textCells = 0;  // 0 for a number
  const VEXA_Variable* variable = nullptr;
  bool userMissing = false;

  // System-missing (or NaN) for a number, or user-missing.
  bool IsMissing(const OBS* cell) const;
};

// The dictionary of the cases as the iterator's bulk access reports it; with
// no such access every column is numeric without user-missing values.
class ColumnCatalog {
 public:
  explicit ColumnCatalog(const CaseColumnAccess* access) : access_(access) {}

  ColumnInfo Describe(int column) const;
  // -1 when the cases are not weighted.
  int WeightColumn() const;
  // The variable's name, or "#column" without a dictionary.
  std::string NameOf(int column) const;

 private:
  const CaseColumnAccess* access_;
};
