#pragma once
#include <vector>

#include "AggregationCategory.h"
#include "StatValues.h"

// Reads the results of a cube cell by cell.
class CubeAggregator {
 public:
  virtual ~CubeAggregator() = default;

  // The results of the cell at `path` (one category of each break variable,
  // in the order the variables were added, taken from their dimensions'
  // GetCategories); null for a cell that no case entered or a path that does
  // not name a cell. `reserved` is -1. The results stay valid until the
  // aggregator is reset.
  virtual const StatValues* GetStatValues(const std::vector<const AggregationCategory*>& path,
                                          int reserved) = 0;

  // The cells that cases entered, as paths of category positions (indexes
  // into each dimension's GetCategories), one row of one position per break
  // variable after another, rows ascending: the first break variable varies
  // slowest. Lets a reader visit the filled cells only, in path order.
  virtual std::vector<int> GetFilledCellPaths() = 0;
};
