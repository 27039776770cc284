#pragma once
#include <utility>
#include <vector>

#include "AggregationResult.h"

// The results of one cube cell, one per statistic, at the statistic's
// position in the cube's statistic list.
class StatValues {
 public:
  explicit StatValues(std::vector<AggregationResult> results) : results_(std::move(results)) {}

  int GetStatCount() const { return static_cast<int>(results_.size()); }
  // A system-missing result for an index outside the list.
  const AggregationResult& GetStatValue(int i) const {
    static const AggregationResult kMissing;
    return i >= 0 && i < GetStatCount() ? results_[i] : kMissing;
  }

 private:
  std::vector<AggregationResult> results_;
};
