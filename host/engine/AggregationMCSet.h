#pragma once
#include <vector>

#include "AggregationVariable.h"

// A multiple-category set as a break variable: its categories are the
// distinct values of its members, and a case enters every category that one
// of its members holds.
class AggregationMCSet : public AggregationVariable {
 public:
  AggregationMCSet(const std::vector<int>& memberColumns, const char* name);
};
