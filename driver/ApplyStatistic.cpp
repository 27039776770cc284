#include "driver/ApplyStatistic.h"

#include <algorithm>
#include <iterator>

#include "AggregationStatistic.h"
#include "StatisticCodes.h"
#include "XVariable.h"

namespace {

// Where a chart statistic parameter comes from.
enum class Parameter { kZero, kLowerLimit, kUpperLimit, kCutPoint };

struct ChartStatistic {
  int code;
  int kind;
  Parameter a;
  Parameter b;
  Parameter c;
  bool flag;
};

constexpr Parameter kZero = Parameter::kZero;
constexpr Parameter kLower = Parameter::kLowerLimit;
constexpr Parameter kUpper = Parameter::kUpperLimit;

// The chart library's statistic kind for each summary code.
constexpr ChartStatistic kChartStatistics[] = {
    {kStatCount, 0, kZero, kZero, kZero, false},
    {kStatResponses, 0, kZero, kZero, kZero, false},
    {kStatPctResponses, 0, kZero, kZero, kZero, false},
    {kStatMaximum, 9, kZero, kZero, kZero, false},
    {kStatMean, 2, kZero, kZero, kZero, false},
    {kStatMedian, 3, kZero, kZero, kZero, false},
    {kStatGroupedMedian, 20, kLower, kZero, kZero, true},
    {kStatMinimum, 8, kZero, kZero, kZero, false},
    {kStatMode, 4, kZero, kZero, kZero, false},
    {kStatStdDev, 6, kZero, kZero, kZero, false},
    {kStatSum, 5, kZero, kZero, kZero, false},
    {kStatValidN, 29, kZero, kZero, kZero, false},
    {kStatVariance, 7, kZero, kZero, kZero, false},
    {kStatPercentile, 15, kLower, kZero, kZero, false},
    {kStatGroupedPercentile, 21, Parameter::kCutPoint, kZero, kZero, true},
    {kStatPctLessThan, 14, kLower, kZero, kZero, false},
    {kStatCountLessThan, 17, kLower, kZero, kZero, false},
    {kStatPctLessEqual, 22, kLower, kZero, kZero, false},
    {kStatCountLessEqual, 23, kLower, kZero, kZero, false},
    {kStatPctGreaterThan, 13, kLower, kZero, kZero, false},
    {kStatCountGreaterThan, 16, kLower, kZero, kZero, false},
    {kStatPctGreaterEqual, 24, kLower, kZero, kZero, false},
    {kStatCountGreaterEqual, 25, kLower, kZero, kZero, false},
    {kStatPctEqual, 26, kLower, kZero, kZero, false},
    {kStatCountEqual, 27, kLower, kZero, kZero, false},
    {kStatPctInside, 18, kZero, kLower, kUpper, false},
    {kStatCountInside, 19, kZero, kLower, kUpper, false},
};

double ValueOf(Parameter parameter, const AggregationStatistic& statistic) {
  switch (parameter) {
    case Parameter::kZero:
      return 0;
    case Parameter::kLowerLimit:
      return statistic.GetLowerLimit();
    case Parameter::kUpperLimit:
      return statistic.GetUpperLimit();
    case Parameter::kCutPoint:
      return statistic.GetPTileCutPoint();
  }
  return 0;
}

}  // namespace

void ApplyStatistic(const AggregationStatistic& statistic, XVariable& variable) {
  int code = statistic.GetSummaryStatistic();
  const auto* found = std::find_if(std::begin(kChartStatistics), std::end(kChartStatistics),
                                   [code](const ChartStatistic& entry) { return entry.code == code; });
  if (found == std::end(kChartStatistics)) return;
  variable.setStatistic(found->kind, ValueOf(found->a, statistic), ValueOf(found->b, statistic),
                        ValueOf(found->c, statistic), found->flag);
}
