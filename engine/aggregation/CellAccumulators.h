#pragma once
#include <algorithm>
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

// Per cell, weighted moments of one variable about a shift (the cell's first
// value), which keeps the variance accurate far from zero.
struct Moments {
  double shift = std::numeric_limits<double>::quiet_NaN();
  double weight = 0;
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
    if (shift != shift) shift = x;
    const double d = x - shift;
    weight += w;
    sum += w * d;
    sumSquares += w * d * d;
  }
  // The weight and the sum alone, when no statistic asks for more: into
  // moments made by AboutZero, since a shift guards only the squares.
  void AddSum(double x, double w) {
    weight += w;
    sum += w * x;
  }
  static Moments AboutZero() {
    Moments moments;
    moments.shift = 0;
    return moments;
  }

  // Adds the values that `other` holds, moved to this shift.
  void Merge(const Moments& other) {
    if (other.weight == 0) return;
    if (weight == 0) {
      *this = other;
      return;
    }
    const double delta = other.shift - shift;
    sumSquares += other.sumSquares + 2 * delta * other.sum + other.weight * delta * delta;
    sum += other.sum + other.weight * delta;
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
