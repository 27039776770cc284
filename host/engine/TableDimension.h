#pragma once
#include <vector>

#include "AggregationCategory.h"

// The dimension that a break variable spans in a cube.
class TableDimension {
 public:
  virtual ~TableDimension() = default;

  // Multiple-response sets: whether a case counts once per member holding a
  // value (true) or once per value (false, the default). Counted by RESPONSES
  // and PCTRESPONSES.
  virtual void SetComputingCounts(bool withDuplicates) = 0;
  virtual bool GetComputingCounts() const = 0;

  // The categories seen in the cases added since the last reset: numbers in
  // ascending order, texts in byte order, a dichotomy set's members in set
  // order. Finishes the pending aggregation work first.
  virtual const std::vector<AggregationCategory>& GetCategories() = 0;
};
