#pragma once
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// Per cell, the weighted count of the cases of a channel and their responses
// (a case counted once per member holding the category when a set dimension
// counts duplicates).
struct CountSums {
  double cases = 0;
  double responses = 0;

  void Merge(const CountSums& other) {
    cases += other.cases;
    responses += other.responses;
  }
};

// A sum with Neumaier's compensation: the rounding error of each addition is
// kept aside and added back at the end, so that {-1e308, 1e308, 1} sums to 1.
struct CompensatedSum {
  double sum = 0;
  double compensation = 0;

  void Add(double x) {
    const double t = sum + x;
    compensation += std::fabs(sum) >= std::fabs(x) ? (sum - t) + x : (x - t) + sum;
    sum = t;
  }
  void Merge(const CompensatedSum& other) {
    Add(other.sum);
    Add(other.compensation);
  }
  // Infinite, with the sign of the overflow, once the sum left the double range.
  double Value() const { return std::isfinite(sum) ? sum + compensation : sum; }
};

// Per cell, the weight and the weighted sum of one variable and, when a
// statistic asks for them, the weighted moments about a shift (the cell's
// first value), which keeps the variance accurate far from zero.
struct Moments {
  double weight = 0;
  CompensatedSum total;  // of w x
  double shift = std::numeric_limits<double>::quiet_NaN();  // NaN until the moments are kept
  double sum = 0;         // of w (x - shift)
  double sumSquares = 0;  // of w (x - shift)^2
  double min = std::numeric_limits<double>::infinity();
  double max = -std::numeric_limits<double>::infinity();

  void Add(double x, double w) {
    AddSums(x, w);
    if (x < min) min = x;
    if (x > max) max = x;
  }
  // Add without the smallest and largest value, when no statistic asks for them.
  void AddSums(double x, double w) {
    AddSum(x, w);
    if (shift != shift) shift = x;
    const double d = x - shift;
    sum += w * d;
    sumSquares += w * d * d;
  }
  // The weight and the sum alone, when no statistic asks for more.
  void AddSum(double x, double w) {
    weight += w;
    total.Add(w * x);
  }

  // Adds the values that `other` holds, moved to this shift.
  void Merge(const Moments& other) {
    if (other.weight == 0) return;
    if (weight == 0) {
      *this = other;
      return;
    }
    total.Merge(other.total);
    if (other.shift == other.shift) {
      const double delta = other.shift - shift;
      sumSquares += other.sumSquares + 2 * delta * other.sum + other.weight * delta * delta;
      sum += other.sum + other.weight * delta;
    }
    weight += other.weight;
    min = std::min(min, other.min);
    max = std::max(max, other.max);
  }
};

// Per cell, the valid values of one variable (and their weights when the
// cases are weighted), for the order statistics.
struct ValueBucket {
  std::vector<double> values;
  std::vector<double> weights;  // empty when unweighted
};
