#pragma once
#include <vector>

#include "AggregationStatistic.h"

class AggregationVariable;
class CubeAggregator;

// The definition of a cube: break variables and statistics. Complete it
// before the first case is added; later additions are ignored.
class AggregationCube {
 public:
  virtual ~AggregationCube() = default;

  // Adds the next break variable; the cube takes ownership. `reserved` is 0.
  virtual void AddCategoricalVariable(AggregationVariable* variable, int reserved) = 0;

  // Appends statistics; statistic i of all lists added, in order, is result
  // i of every cell. A count-type statistic with a variable index counts the
  // cases valid on that variable.
  virtual void AddScaleStatistics(const std::vector<AggregationStatistic>& statistics) = 0;
  // Count-type statistics of the categories of `variable` (a break variable
  // of this cube) and of the cells it spans with the others.
  virtual void AddCategoryStatistics(const std::vector<AggregationStatistic>& statistics,
                                     AggregationVariable* variable) = 0;

  // The cube's aggregator, owned by the cube.
  virtual CubeAggregator* CreateCubeAggregator() = 0;
};
