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

// kind, default level, variable in the labels, level in percent, label patterns
constexpr IntervalSpec kMeanCI{kConfidenceInterval, 0.95, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMeanSD{kStandardDeviations, 2.0, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMeanSE{kStandardErrors, 2.0, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMedianCI{kConfidenceInterval, 0.95, true, true, "Median ^1 ^2% CI Low",
                                 "Median ^1 ^2% CI High"};
constexpr IntervalSpec kCountCI{kConfidenceInterval, 0.95, false, true, "Count ^1% CI Low", "Count ^1% CI High"};
constexpr IntervalSpec kPctCI{kConfidenceInterval, 0.95, false, true, "Percent ^1% CI Low", "Percent ^1% CI High"};

// Searched in this order; the names are unique.
constexpr std::array<StatisticEntry, 34> kCatalogue{{
    {.name = "CASEVALUE", .code = kStatCaseValue, .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Case Value", .fullPattern = "Case Value ^1"},
    {.name = "COUNT", .code = kStatCount, .shape = kNone, .result = kCount, .displayPattern = "E60868",
     .fullPattern = "E60868", .chart = {.kind = 0}},
    {.name = "RESPONSES", .code = kStatResponses, .keywordCount = 1, .shape = kDuplicates, .result = kCount,
     .displayPattern = "Responses", .fullPattern = "^1 ^2", .word = "Responses", .chart = {.kind = 0}},
    {.name = "PCTRESPONSES", .code = kStatPctResponses, .keywordCount = 1, .shape = kDuplicates, .result = kPercent,
     .fullPattern = "^1 ^2", .word = "Percent Responses", .chart = {.kind = 0}},
    {.name = "MINIMUM", .code = kStatMinimum, .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Minimum", .fullPattern = "^1 ^2", .word = "Minimum", .chart = {.kind = 8}},
    {.name = "MAXIMUM", .code = kStatMaximum, .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "Maximum", .fullPattern = "^1 ^2", .word = "Maximum", .chart = {.kind = 9}},
    {.name = "VALIDN", .code = kStatValidN, .numericCount = 1, .shape = kVariable, .result = kCount,
     .displayPattern = "Valid N", .fullPattern = "^1 ^2", .word = "Valid N", .chart = {.kind = 29}},
    {.name = "SUM", .code = kStatSum, .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "E60873", .fullPattern = "^1 ^2", .word = "E60873", .chart = {.kind = 5}},
    {.name = "MEAN", .code = kStatMean, .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .chart = {.kind = 2}},
    {.name = "STDDEV", .code = kStatStdDev, .numericCount = 1, .shape = kVariable, .result = kSpread,
     .displayPattern = "StdDev", .fullPattern = "^1 ^2", .word = "StdDev", .chart = {.kind = 6}},
    {.name = "VARIANCE", .code = kStatVariance, .numericCount = 1, .shape = kVariable, .result = kVariance,
     .displayPattern = "E60877", .fullPattern = "^1 ^2", .word = "E60877", .chart = {.kind = 7}},
    {.name = "MEDIAN", .code = kStatMedian, .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "E60878", .fullPattern = "^1 ^2", .word = "E60878", .chart = {.kind = 3}},
    {.name = "GMEDIAN", .code = kStatGroupedMedian, .numericCount = 1, .shape = kVariable, .result = kSummary,
     .displayPattern = "E60892", .fullPattern = "^1 ^2", .word = "E60892",
     .chart = {.kind = 20, .first = kByLowerLimit, .flag = true}},
    {.name = "MODE", .code = kStatMode, .numericCount = 1, .shape = kVariable, .result = kValue,
     .displayPattern = "E60879", .fullPattern = "^1 ^2", .word = "E60879", .chart = {.kind = 4}},
    {.name = "PTILE", .code = kStatPercentile, .numericCount = 2, .shape = kCutPoint, .result = kSummary,
     .displayPattern = "Ptile ^1", .fullPattern = "Ptile ^1 ^2", .chart = {.kind = 15, .first = kByLowerLimit}},
    {.name = "GPTILE", .code = kStatGroupedPercentile, .numericCount = 2, .shape = kCutPoint, .result = kSummary,
     .displayPattern = "Group Ptile ^1", .fullPattern = "Group Ptile ^1 ^2",
     .chart = {.kind = 21, .first = kByCutPoint, .flag = true}},
    {.name = "PLT", .code = kStatPctLessThan, .numericCount = 2, .shape = kUpperLimit, .result = kPercent,
     .displayPattern = "% < ^1", .fullPattern = "% < ^1 ^2", .chart = {.kind = 14, .first = kByLowerLimit}},
    {.name = "PGT", .code = kStatPctGreaterThan, .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% > ^1", .fullPattern = "% > ^1 ^2", .chart = {.kind = 13, .first = kByLowerLimit}},
    {.name = "NLT", .code = kStatCountLessThan, .numericCount = 2, .shape = kUpperLimit, .result = kCount,
     .displayPattern = "N < ^1", .fullPattern = "N < ^1 ^2", .chart = {.kind = 17, .first = kByLowerLimit}},
    {.name = "NGT", .code = kStatCountGreaterThan, .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N > ^1", .fullPattern = "N > ^1 ^2", .chart = {.kind = 16, .first = kByLowerLimit}},
    {.name = "PIN", .code = kStatPctInside, .numericCount = 3, .shape = kLimits, .result = kPercent,
     .displayPattern = "% in (^1,^2)", .fullPattern = "% in (^1,^2) ^3",
     .chart = {.kind = 18, .second = kByLowerLimit, .third = kByUpperLimit}},
    {.name = "NIN", .code = kStatCountInside, .numericCount = 3, .shape = kLimits, .result = kCount,
     .displayPattern = "N in (^1,^2)", .fullPattern = "N in (^1,^2) ^3",
     .chart = {.kind = 19, .second = kByLowerLimit, .third = kByUpperLimit}},
    {.name = "NLE", .code = kStatCountLessEqual, .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N <= ^1", .fullPattern = "N <= ^1 ^2", .chart = {.kind = 23, .first = kByLowerLimit}},
    {.name = "PLE", .code = kStatPctLessEqual, .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% <= ^1", .fullPattern = "% <= ^1 ^2", .chart = {.kind = 22, .first = kByLowerLimit}},
    {.name = "NEQ", .code = kStatCountEqual, .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N = ^1", .fullPattern = "N = ^1 ^2", .chart = {.kind = 27, .first = kByLowerLimit}},
    {.name = "PEQ", .code = kStatPctEqual, .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% = ^1", .fullPattern = "% = ^1 ^2", .chart = {.kind = 26, .first = kByLowerLimit}},
    {.name = "NGE", .code = kStatCountGreaterEqual, .numericCount = 2, .shape = kLowerLimit, .result = kCount,
     .displayPattern = "N >= ^1", .fullPattern = "N >= ^1 ^2", .chart = {.kind = 25, .first = kByLowerLimit}},
    {.name = "PGE", .code = kStatPctGreaterEqual, .numericCount = 2, .shape = kLowerLimit, .result = kPercent,
     .displayPattern = "% >= ^1", .fullPattern = "% >= ^1 ^2", .chart = {.kind = 24, .first = kByLowerLimit}},
    {.name = "MEANCI", .code = kStatMean, .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanCI,
     .chart = {.kind = 2}},
    {.name = "MEANSD", .code = kStatMean, .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanSD,
     .chart = {.kind = 2}},
    {.name = "MEANSE", .code = kStatMean, .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "Mean", .fullPattern = "^1 ^2", .word = "Mean", .interval = &kMeanSE,
     .chart = {.kind = 2}},
    {.name = "MEDIANCI", .code = kStatMedian, .numericCount = 1, .keywordCount = 1, .shape = kVariableInterval,
     .result = kSummary, .displayPattern = "E60878", .fullPattern = "^1 ^2", .word = "E60878", .interval = &kMedianCI,
     .chart = {.kind = 3}},
    {.name = "COUNTCI", .code = kStatCount, .keywordCount = 1, .shape = kCountInterval, .result = kCount,
     .displayPattern = "E60868", .fullPattern = "E60868", .interval = &kCountCI, .chart = {.kind = 0}},
    {.name = "PCTCI", .code = kStatCount, .keywordCount = 1, .shape = kCountInterval, .result = kCount,
     .displayPattern = "E60868", .fullPattern = "E60703", .interval = &kPctCI, .chart = {.kind = 0}},
}};

constexpr StatisticEntry kUnknown{.name = "", .code = 0, .shape = kVariable, .result = kNoRule};

}  // namespace

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
