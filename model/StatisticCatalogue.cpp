#include "model/StatisticCatalogue.h"

#include <array>

#include "host/engine/StatisticCodes.h"
#include "host/engine/VexaText.h"

namespace {

using enum ParameterShape;
using enum ResultRule;
// Where the chart statistic's parameters come from.
constexpr ChartParameter kByLowerLimit = ChartParameter::kLowerLimit;
constexpr ChartParameter kByUpperLimit = ChartParameter::kUpperLimit;
constexpr ChartParameter kByCutPoint = ChartParameter::kCutPoint;

// The intervals of the mean share one wording, whatever their bounds stand for.
constexpr const char* kMeanLow = "Mean ^1 Std. Deviation (^2) Low";
constexpr const char* kMeanHigh = "Mean ^1 Std. Deviation (^2) High";

using enum IntervalBounds;

constexpr IntervalSpec kMeanCI{.kind = kConfidenceInterval, .defaultLevel = 0.95, .boundStatistic = kStatSeMean,
                               .bounds = kAroundMean, .namesVariable = true, .levelInPercent = false,
                               .lowPattern = kMeanLow, .highPattern = kMeanHigh};
constexpr IntervalSpec kMeanSD{.kind = kStandardDeviations, .defaultLevel = 2.0, .boundStatistic = kStatStdDev,
                               .bounds = kAroundMean, .namesVariable = true, .levelInPercent = false,
                               .lowPattern = kMeanLow, .highPattern = kMeanHigh};
constexpr IntervalSpec kMeanSE{.kind = kStandardErrors, .defaultLevel = 2.0, .boundStatistic = kStatSeMean,
                               .bounds = kAroundMean, .namesVariable = true, .levelInPercent = false,
                               .lowPattern = kMeanLow, .highPattern = kMeanHigh};
constexpr IntervalSpec kMedianCI{.kind = kConfidenceInterval, .defaultLevel = 0.95, .boundStatistic = kStatMedianCI,
                                 .bounds = kFromResult, .namesVariable = true, .levelInPercent = true,
                                 .lowPattern = "Median ^1 ^2% CI Low", .highPattern = "Median ^1 ^2% CI High"};
constexpr IntervalSpec kCountCI{.kind = kConfidenceInterval, .defaultLevel = 0.95, .boundStatistic = kStatCount,
                                .bounds = kJeffreys, .namesVariable = false, .levelInPercent = true,
                                .lowPattern = "Count ^1% CI Low", .highPattern = "Count ^1% CI High"};
constexpr IntervalSpec kPctCI{.kind = kConfidenceInterval, .defaultLevel = 0.95, .boundStatistic = kStatCount,
                              .bounds = kJeffreys, .namesVariable = false, .levelInPercent = true,
                              .lowPattern = "Percent ^1% CI Low", .highPattern = "Percent ^1% CI High"};

// Searched in this order; the names are unique.
constexpr std::array<StatisticEntry, 34> kCatalogue{{
    {.name = "CASEVALUE", .code = kStatCaseValue,
     .meaning = "The variable's value in each case, without aggregating",
     .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Case Value", .fullPattern = "Case Value ^1"},
    {.name = "COUNT", .code = kStatCount,
     .meaning = "The number of cases in the cell (their total weight)",
     .shape = kNone, .result = kCount, .displayPattern = "E60868",
     .fullPattern = "E60868", .chart = {.kind = 0}},
    {.name = "RESPONSES", .code = kStatResponses,
     .meaning = "The responses of a multiple-response set in the cell; DUP counts each member holding the category",
     .keywordCount = 1, .shape = kDuplicates, .result = kCount,
     .displayPattern = "Responses", .fullPattern = "^1 ^2", .word = "Responses", .chart = {.kind = 0}},
    {.name = "PCTRESPONSES", .code = kStatPctResponses,
     .meaning = "The responses as a percentage of all responses of the split group",
     .keywordCount = 1, .shape = kDuplicates, .result = kPercent,
     .fullPattern = "^1 ^2", .word = "Percent Responses", .chart = {.kind = 0}},
    {.name = "MINIMUM", .code = kStatMinimum,
     .meaning = "The smallest valid value",
     .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Minimum", .fullPattern = "^1 ^2", .word = "Minimum", .chart = {.kind = 8}},
    {.name = "MAXIMUM", .code = kStatMaximum,
     .meaning = "The largest valid value",
     .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Maximum", .fullPattern = "^1 ^2", .word = "Maximum", .chart = {.kind = 9}},
    {.name = "VALIDN", .code = kStatValidN,
     .meaning = "The number of cases with a valid value (their total weight)",
     .numericCount = 1, .shape = kVariable, .result = kCount,
     .displayPattern = "Valid N", .fullPattern = "^1 ^2", .word = "Valid N", .chart = {.kind = 29}},
    {.name = "SUM", .code = kStatSum,
     .meaning = "The weighted sum of the valid values",
     .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "E60873", .fullPattern = "^1 ^2", .word = "E60873", .chart = {.kind = 5}},
    {.name = "MEAN", .code = kStatMean,
     .meaning = "The weighted arithmetic mean",
     .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .chart = {.kind = 2}},
    {.name = "STDDEV", .code = kStatStdDev,
     .meaning = "The sample standard deviation, the root of VARIANCE",
     .numericCount = 1, .shape = kVariable, .result = kSpread,
     .displayPattern = "StdDev", .fullPattern = "^1 ^2", .word = "StdDev", .chart = {.kind = 6}},
    {.name = "VARIANCE", .code = kStatVariance,
     .meaning = "The sample variance about the mean, divided by the total weight less one",
     .numericCount = 1, .shape = kVariable, .result = kVariance,
     .displayPattern = "E60877", .fullPattern = "^1 ^2", .word = "E60877", .chart = {.kind = 7}},
    {.name = "MEDIAN", .code = kStatMedian,
     .meaning = "The 50th percentile by the weighted average definition",
     .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "E60878", .fullPattern = "^1 ^2", .word = "E60878", .chart = {.kind = 3}},
    {.name = "GMEDIAN", .code = kStatGroupedMedian,
     .meaning = "The median of the values taken as midpoints of classes",
     .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "E60892", .fullPattern = "^1 ^2", .word = "E60892",
     .chart = {.kind = 20, .first = kByLowerLimit, .flag = true}},
    {.name = "MODE", .code = kStatMode,
     .meaning = "The value of largest total weight; ties go to the smallest value",
     .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "E60879", .fullPattern = "^1 ^2", .word = "E60879", .chart = {.kind = 4}},
    {.name = "PTILE", .code = kStatPercentile,
     .meaning = "The percentile at the cut point by the weighted average definition",
     .numericCount = 2, .shape = kCutPoint, .result = kSummary,
     .displayPattern = "Ptile ^1", .fullPattern = "Ptile ^1 ^2", .chart = {.kind = 15, .first = kByLowerLimit}},
    {.name = "GPTILE", .code = kStatGroupedPercentile,
     .meaning = "The percentile at the cut point of the values taken as midpoints of classes",
     .numericCount = 2, .shape = kCutPoint, .result = kSummary,
     .displayPattern = "Group Ptile ^1", .fullPattern = "Group Ptile ^1 ^2",
     .chart = {.kind = 21, .first = kByCutPoint, .flag = true}},
    {.name = "PLT", .code = kStatPctLessThan,
     .meaning = "The percentage of valid values below the value",
     .numericCount = 2, .shape = kUpperLimit, .result = kPercent,
     .displayPattern = "% < ^1", .fullPattern = "% < ^1 ^2", .chart = {.kind = 14, .first = kByLowerLimit}},
    {.name = "PGT", .code = kStatPctGreaterThan,
     .meaning = "The percentage of valid values above the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% > ^1", .fullPattern = "% > ^1 ^2", .chart = {.kind = 13, .first = kByLowerLimit}},
    {.name = "NLT", .code = kStatCountLessThan,
     .meaning = "The number of valid values below the value",
     .numericCount = 2, .shape = kUpperLimit, .result = kCount,
     .displayPattern = "N < ^1", .fullPattern = "N < ^1 ^2", .chart = {.kind = 17, .first = kByLowerLimit}},
    {.name = "NGT", .code = kStatCountGreaterThan,
     .meaning = "The number of valid values above the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N > ^1", .fullPattern = "N > ^1 ^2", .chart = {.kind = 16, .first = kByLowerLimit}},
    {.name = "PIN", .code = kStatPctInside,
     .meaning = "The percentage of valid values from low to high, both included",
     .numericCount = 3, .shape = kLimits, .result = kPercent,
     .displayPattern = "% in (^1,^2)", .fullPattern = "% in (^1,^2) ^3",
     .chart = {.kind = 18, .second = kByLowerLimit, .third = kByUpperLimit}},
    {.name = "NIN", .code = kStatCountInside,
     .meaning = "The number of valid values from low to high, both included",
     .numericCount = 3, .shape = kLimits, .result = kCount,
     .displayPattern = "N in (^1,^2)", .fullPattern = "N in (^1,^2) ^3",
     .chart = {.kind = 19, .second = kByLowerLimit, .third = kByUpperLimit}},
    {.name = "NLE", .code = kStatCountLessEqual,
     .meaning = "The number of valid values at or below the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N <= ^1", .fullPattern = "N <= ^1 ^2", .chart = {.kind = 23, .first = kByLowerLimit}},
    {.name = "PLE", .code = kStatPctLessEqual,
     .meaning = "The percentage of valid values at or below the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% <= ^1", .fullPattern = "% <= ^1 ^2", .chart = {.kind = 22, .first = kByLowerLimit}},
    {.name = "NEQ", .code = kStatCountEqual,
     .meaning = "The number of valid values equal to the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N = ^1", .fullPattern = "N = ^1 ^2", .chart = {.kind = 27, .first = kByLowerLimit}},
    {.name = "PEQ", .code = kStatPctEqual,
     .meaning = "The percentage of valid values equal to the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% = ^1", .fullPattern = "% = ^1 ^2", .chart = {.kind = 26, .first = kByLowerLimit}},
    {.name = "NGE", .code = kStatCountGreaterEqual,
     .meaning = "The number of valid values at or above the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N >= ^1", .fullPattern = "N >= ^1 ^2", .chart = {.kind = 25, .first = kByLowerLimit}},
    {.name = "PGE", .code = kStatPctGreaterEqual,
     .meaning = "The percentage of valid values at or above the value",
     .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% >= ^1", .fullPattern = "% >= ^1 ^2", .chart = {.kind = 24, .first = kByLowerLimit}},
    {.name = "MEANCI", .code = kStatMean,
     .meaning = "The mean with the bounds of its confidence interval (Student's t, 95 % by default)",
     .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanCI,
     .chart = {.kind = 2}},
    {.name = "MEANSD", .code = kStatMean,
     .meaning = "The mean with bounds a multiple of the standard deviation away (2 by default)",
     .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanSD,
     .chart = {.kind = 2}},
    {.name = "MEANSE", .code = kStatMean,
     .meaning = "The mean with bounds a multiple of the standard error away (2 by default)",
     .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanSE,
     .chart = {.kind = 2}},
    {.name = "MEDIANCI", .code = kStatMedian,
     .meaning = "The median with the bounds of its distribution-free confidence interval (95 % by default)",
     .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "E60878", .fullPattern = "^1 ^2", .word = "E60878", .interval = &kMedianCI,
     .chart = {.kind = 3}},
    {.name = "COUNTCI", .code = kStatCount,
     .meaning = "The count with the bounds of its Jeffreys confidence interval (95 % by default)",
     .keywordCount = 1, .shape = kCountInterval, .result = kCount,
     .displayPattern = "E60868", .fullPattern = "E60868", .interval = &kCountCI, .chart = {.kind = 0}},
    {.name = "PCTCI", .code = kStatCount,
     .meaning = "The count with the bounds of its Jeffreys confidence interval, labelled as a percentage",
     .keywordCount = 1, .shape = kCountInterval, .result = kCount,
     .displayPattern = "E60868", .fullPattern = "E60703", .interval = &kPctCI, .chart = {.kind = 0}},
}};

constexpr StatisticEntry kUnknown{.name = "", .code = 0, .meaning = "", .shape = kVariable, .result = kNoRule};

}  // namespace

std::span<const StatisticEntry> StatisticCatalogue() { return kCatalogue; }

std::string StatisticParameters(const StatisticEntry& entry) {
  switch (entry.shape) {
    case kNone:
      return "";
    case kDuplicates:
      return "[DUP|NODUP]";
    case kVariable:
      return "variable";
    case kCutPoint:
      return "variable, percent";
    case kUpperLimit:
    case kLowerLimit:
      return "variable, value";
    case kLimits:
      return "variable, low, high";
    case kVariableInterval:
      return entry.interval->kind == kConfidenceInterval ? "variable[, percent]" : "variable[, multiplier]";
    case kCountInterval:
      return "[percent]";
  }
  return "";
}

const StatisticEntry& FindStatisticEntry(const std::string& name) {
  for (const StatisticEntry& entry : kCatalogue)
    if (VEXAMBstricmp_A(entry.name, name.c_str()) == 0) return entry;
  return kUnknown;
}

const ChartStatistic& FindChartStatistic(int code) {
  static constexpr ChartStatistic kNone{};
  for (const StatisticEntry& entry : kCatalogue)
    if (entry.code == code) return entry.chart;
  return kNone;
}
