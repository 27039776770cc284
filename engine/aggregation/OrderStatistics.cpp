#include "engine/aggregation/OrderStatistics.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>
#include <utility>

#include <boost/math/distributions/binomial.hpp>

namespace order_statistics {
namespace {

using WeightedValue = std::pair<double, double>;  // value, weight

// Positions within this of a whole number count as whole, so that
// (n + 1) p / 100 lands on the rank it means despite rounding.
constexpr double kPositionFuzz = 4 * DBL_EPSILON;

std::vector<WeightedValue> Pair(const std::vector<double>& values, const std::vector<double>& weights) {
  std::vector<WeightedValue> pairs(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) pairs[i] = {values[i], weights[i]};
  return pairs;
}

double TotalWeight(const std::vector<double>& values, const std::vector<double>& weights) {
  return weights.empty() ? static_cast<double>(values.size())
                         : std::accumulate(weights.begin(), weights.end(), 0.0);
}

// The value at cumulative-weight position s (0 < s < total) of pairs[lo, hi),
// by three-way quickselect.
double SelectWeighted(std::vector<WeightedValue>& pairs, double s) {
  std::size_t lo = 0;
  std::size_t hi = pairs.size();
  while (hi - lo > 1) {
    const double a = pairs[lo].first, b = pairs[(lo + hi) / 2].first, c = pairs[hi - 1].first;
    const double pivot = std::max(std::min(a, b), std::min(std::max(a, b), c));
    auto first = pairs.begin() + static_cast<std::ptrdiff_t>(lo);
    auto last = pairs.begin() + static_cast<std::ptrdiff_t>(hi);
    auto lessEnd = std::partition(first, last, [&](const WeightedValue& v) { return v.first < pivot; });
    auto equalEnd = std::partition(lessEnd, last, [&](const WeightedValue& v) { return v.first == pivot; });
    double below = 0, at = 0;
    for (auto it = first; it != lessEnd; ++it) below += it->second;
    for (auto it = lessEnd; it != equalEnd; ++it) at += it->second;
    if (s <= below) {
      hi = static_cast<std::size_t>(lessEnd - pairs.begin());
    } else if (s <= below + at || equalEnd == last) {
      return pivot;
    } else {
      s -= below + at;
      lo = static_cast<std::size_t>(equalEnd - pairs.begin());
    }
  }
  return pairs[lo].first;
}

// x(r), the r-th smallest of unweighted values (1 <= r <= n).
double RankedValue(std::vector<double>& values, long r) {
  auto nth = values.begin() + (r - 1);
  std::nth_element(values.begin(), nth, values.end());
  return *nth;
}

double UnweightedPercentile(std::vector<double>& values, double position) {
  const long n = static_cast<long>(values.size());
  const double whole = std::floor(position + kPositionFuzz);
  double fraction = position - whole;
  if (std::fabs(fraction) < kPositionFuzz) fraction = 0;
  if (whole < 1) return *std::min_element(values.begin(), values.end());
  if (whole >= n) return *std::max_element(values.begin(), values.end());
  const long j = static_cast<long>(whole);
  const double low = RankedValue(values, j);
  if (fraction == 0) return low;
  const double high = *std::min_element(values.begin() + j, values.end());
  return low + fraction * (high - low);
}

// Distinct values in ascending order with their total weights.
std::vector<WeightedValue> Tally(std::vector<double>& values, std::vector<double>& weights) {
  std::vector<WeightedValue> tally;
  if (weights.empty()) {
    std::sort(values.begin(), values.end());
    for (double v : values) {
      if (tally.empty() || tally.back().first != v) tally.push_back({v, 0});
      tally.back().second += 1;
    }
    return tally;
  }
  std::vector<WeightedValue> pairs = Pair(values, weights);
  std::sort(pairs.begin(), pairs.end());
  for (const WeightedValue& p : pairs) {
    if (tally.empty() || tally.back().first != p.first) tally.push_back({p.first, 0});
    tally.back().second += p.second;
  }
  return tally;
}

}  // namespace

double ValueAtPosition(std::vector<double>& values, std::vector<double>& weights, double s) {
  const double total = TotalWeight(values, weights);
  if (s <= 0) return *std::min_element(values.begin(), values.end());
  if (s >= total) return *std::max_element(values.begin(), values.end());
  if (weights.empty()) return RankedValue(values, static_cast<long>(std::ceil(s)));
  std::vector<WeightedValue> pairs = Pair(values, weights);
  return SelectWeighted(pairs, s);
}

double Percentile(std::vector<double>& values, std::vector<double>& weights, double p) {
  const double total = TotalWeight(values, weights);
  const double position = p / 100 * (total + 1);
  if (weights.empty()) return UnweightedPercentile(values, position);
  const double whole = std::floor(position + kPositionFuzz);
  double fraction = position - whole;
  if (std::fabs(fraction) < kPositionFuzz) fraction = 0;
  const double low = ValueAtPosition(values, weights, whole);
  if (fraction == 0) return low;
  const double high = ValueAtPosition(values, weights, whole + 1);
  return low + fraction * (high - low);
}

double GroupedPercentile(std::vector<double>& values, std::vector<double>& weights, double p) {
  const std::vector<WeightedValue> tally = Tally(values, weights);
  const std::size_t k = tally.size();
  if (k == 1) return tally[0].first;
  double total = 0;
  for (const WeightedValue& t : tally) total += t.second;
  const double target = total * p / 100;
  double below = 0;
  std::size_t i = 0;
  while (i + 1 < k && below + tally[i].second < target) below += tally[i++].second;
  const double v = tally[i].first;
  const double lower = i == 0 ? v - (tally[1].first - v) / 2 : (tally[i - 1].first + v) / 2;
  const double upper = i + 1 == k ? v + (v - tally[k - 2].first) / 2 : (v + tally[i + 1].first) / 2;
  return lower + (target - below) / tally[i].second * (upper - lower);
}

double Mode(std::vector<double>& values, std::vector<double>& weights) {
  const std::vector<WeightedValue> tally = Tally(values, weights);
  const WeightedValue* best = &tally[0];
  for (const WeightedValue& t : tally)
    if (t.second > best->second) best = &t;
  return best->first;
}

int MedianIntervalLowerRank(long n, double levelPercent) {
  if (n < 1 || !(levelPercent > 0 && levelPercent < 100)) return 0;
  const double tail = (1 - levelPercent / 100) / 2 * (1 - 64 * DBL_EPSILON);
  const boost::math::binomial_distribution<double> binomial(static_cast<double>(n), 0.5);
  long low = 0, high = n;  // the smallest k with P(B <= k) >= tail
  while (low < high) {
    const long mid = low + (high - low) / 2;
    if (boost::math::cdf(binomial, static_cast<double>(mid)) >= tail) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return static_cast<int>(low);
}

}  // namespace order_statistics
