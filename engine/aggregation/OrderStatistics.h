#pragma once
#include <vector>

// Order statistics of one cell's values with optional case weights (an
// empty weight list means every weight is 1). The functions may reorder the
// values (and their weights alongside). None is called without values.
namespace order_statistics {

// The percentile p (0 < p < 100) by the weighted average at position
// (W + 1) p / 100: with X(s) the smallest value whose cumulative weight
// reaches s, the result is X(j) + g (X(j + 1) - X(j)) with j = floor(pos)
// and g = pos - j; positions below the first value or past the total weight
// take the smallest or largest value.
double Percentile(std::vector<double>& values, std::vector<double>& weights, double p);

// X(s) as above: the value at cumulative-weight position s.
double ValueAtPosition(std::vector<double>& values, std::vector<double>& weights, double s);

// The grouped percentile: each distinct value is the midpoint of a class
// reaching halfway to its neighbours (the end classes symmetric); the result
// is interpolated inside the class where the cumulative weight reaches W p / 100.
double GroupedPercentile(std::vector<double>& values, std::vector<double>& weights, double p);

// The value with the largest total weight; ties go to the smallest value.
double Mode(std::vector<double>& values, std::vector<double>& weights);

// Ranks of the distribution-free confidence interval of the median for n
// cases at `levelPercent`: lower rank r from the Binomial(n, 0.5) quantile at
// (1 - level) / 2, upper rank n + 1 - r. r is 0 when no interval of order
// statistics reaches the level (or the arguments are out of range).
int MedianIntervalLowerRank(long n, double levelPercent);

}  // namespace order_statistics
