#pragma once
#include <vector>

// The columns a data filter tests: one for a variable, the members of a
// multiple-response set. For a set of dichotomies the counted value "1"
// stands in for the filter's values.
struct FilterColumns {
  std::vector<int> columns;
  bool dichotomies = false;
};
