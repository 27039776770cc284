#pragma once
#include "OBS.h"

// One statistic's result in one cell. Interval statistics (the median's
// confidence interval) also carry their two bounds.
class AggregationResult {
 public:
  AggregationResult() = default;
  explicit AggregationResult(double value, double value1 = kSysMiss, double value2 = kSysMiss)
      : value_(value), value1_(value1), value2_(value2) {}

  operator double() const { return value_; }
  double GetValue1() const { return value1_; }
  double GetValue2() const { return value2_; }

 private:
  double value_ = kSysMiss;
  double value1_ = kSysMiss;
  double value2_ = kSysMiss;
};
