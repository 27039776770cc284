#include "model/StatisticCatalogue.h"

#include <array>

#include "StatisticCodes.h"
#include "VexaText.h"

namespace {

using enum ParameterShape;
using enum ResultRule;

// The intervals of the mean share one wording, whatever their bounds stand for.
constexpr const char* kMeanLow = "Mean ^1 Std. Deviation (^2) Low";
constexpr const char* kMeanHigh = "Mean ^1 Std. Deviation (^2) High";

// kind, default level, variable in the labels, level in percent, label patterns
constexpr IntervalSpec kMeanCI{kConfidenceInterval, 0.95, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMeanSD{kStandardDeviations, 2.0, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMeanSE{kStandardErrors, 2.0, true, false, kMeanLow, kMeanHigh};
constexpr IntervalSpec kMedianCI{kConfidenceInterval, 0.95, true, true, "Median ^1 ^2% CI Low", "Median ^1 ^2% CI High"};
constexpr IntervalSpec kCountCI{kConfidenceInterval, 0.95, false, true, "Count ^1% CI Low", "Count ^1% CI High"};
constexpr IntervalSpec kPctCI{kConfidenceInterval, 0.95, false, true, "Percent ^1% CI Low", "Percent ^1% CI High"};

// Searched in this order; the names are unique.
constexpr std::array<StatisticEntry, 34> kCatalogue{{
    // name, code, numeric, keyword, parameters, result, display, full, word, interval
    {"CASEVALUE", kStatCaseValue, 1, 0, kVariable, kValue, "Case Value", "Case Value ^1", nullptr, nullptr},
    {"COUNT", kStatCount, 0, 0, kNone, kCount, "E60868", "E60868", nullptr, nullptr},
    {"RESPONSES", kStatResponses, 0, 1, kDuplicates, kCount, "Responses", "^1 ^2", "Responses", nullptr},
    {"PCTRESPONSES", kStatPctResponses, 0, 1, kDuplicates, kPercent, nullptr, "^1 ^2", "Percent Responses",
     nullptr},
    {"MINIMUM", kStatMinimum, 1, 0, kVariable, kValue, "Minimum", "^1 ^2", "Minimum", nullptr},
    {"MAXIMUM", kStatMaximum, 1, 0, kVariable, kValue, "Maximum", "^1 ^2", "Maximum", nullptr},
    {"VALIDN", kStatValidN, 1, 0, kVariable, kCount, "Valid N", "^1 ^2", "Valid N", nullptr},
    {"SUM", kStatSum, 1, 0, kVariable, kValue, "E60873", "^1 ^2", "E60873", nullptr},
    {"MEAN", kStatMean, 1, 0, kVariable, kSummary, "Mean", "^1 ^2", "Mean", nullptr},
    {"STDDEV", kStatStdDev, 1, 0, kVariable, kSpread, "StdDev", "^1 ^2", "StdDev", nullptr},
    {"VARIANCE", kStatVariance, 1, 0, kVariable, kVariance, "E60877", "^1 ^2", "E60877", nullptr},
    {"MEDIAN", kStatMedian, 1, 0, kVariable, kSummary, "E60878", "^1 ^2", "E60878", nullptr},
    {"GMEDIAN", kStatGroupedMedian, 1, 0, kVariable, kSummary, "E60892", "^1 ^2", "E60892", nullptr},
    {"MODE", kStatMode, 1, 0, kVariable, kValue, "E60879", "^1 ^2", "E60879", nullptr},
    {"PTILE", kStatPercentile, 2, 0, kCutPoint, kSummary, "Ptile ^1", "Ptile ^1 ^2", nullptr, nullptr},
    {"GPTILE", kStatGroupedPercentile, 2, 0, kCutPoint, kSummary, "Group Ptile ^1", "Group Ptile ^1 ^2", nullptr,
     nullptr},
    {"PLT", kStatPctLessThan, 2, 0, kUpperLimit, kPercent, "% < ^1", "% < ^1 ^2", nullptr, nullptr},
    {"PGT", kStatPctGreaterThan, 2, 0, kLowerLimit, kPercent, "% > ^1", "% > ^1 ^2", nullptr, nullptr},
    {"NLT", kStatCountLessThan, 2, 0, kUpperLimit, kCount, "N < ^1", "N < ^1 ^2", nullptr, nullptr},
    {"NGT", kStatCountGreaterThan, 2, 0, kLowerLimit, kCount, "N > ^1", "N > ^1 ^2", nullptr, nullptr},
    {"PIN", kStatPctInside, 3, 0, kLimits, kPercent, "% in (^1,^2)", "% in (^1,^2) ^3", nullptr, nullptr},
    {"NIN", kStatCountInside, 3, 0, kLimits, kCount, "N in (^1,^2)", "N in (^1,^2) ^3", nullptr, nullptr},
    {"NLE", kStatCountLessEqual, 2, 0, kLowerLimit, kCount, "N <= ^1", "N <= ^1 ^2", nullptr, nullptr},
    {"PLE", kStatPctLessEqual, 2, 0, kLowerLimit, kPercent, "% <= ^1", "% <= ^1 ^2", nullptr, nullptr},
    {"NEQ", kStatCountEqual, 2, 0, kLowerLimit, kCount, "N = ^1", "N = ^1 ^2", nullptr, nullptr},
    {"PEQ", kStatPctEqual, 2, 0, kLowerLimit, kPercent, "% = ^1", "% = ^1 ^2", nullptr, nullptr},
    {"NGE", kStatCountGreaterEqual, 2, 0, kLowerLimit, kCount, "N >= ^1", "N >= ^1 ^2", nullptr, nullptr},
    {"PGE", kStatPctGreaterEqual, 2, 0, kLowerLimit, kPercent, "% >= ^1", "% >= ^1 ^2", nullptr, nullptr},
    {"MEANCI", kStatMean, 1, 1, kVariableInterval, kSummary, "Mean", "^1 ^2", "Mean", &kMeanCI},
    {"MEANSD", kStatMean, 1, 1, kVariableInterval, kSummary, "Mean", "^1 ^2", "Mean", &kMeanSD},
    {"MEANSE", kStatMean, 1, 1, kVariableInterval, kSummary, "Mean", "^1 ^2", "Mean", &kMeanSE},
    {"MEDIANCI", kStatMedian, 1, 1, kVariableInterval, kSummary, "E60878", "^1 ^2", "E60878", &kMedianCI},
    {"COUNTCI", kStatCount, 0, 1, kCountInterval, kCount, "E60868", "E60868", nullptr, &kCountCI},
    {"PCTCI", kStatCount, 0, 1, kCountInterval, kCount, "E60868", "E60703", nullptr, &kPctCI},
}};

constexpr StatisticEntry kUnknown{"", 0, 0, 0, kVariable, kNoRule, nullptr, nullptr, nullptr, nullptr};

}  // namespace

const StatisticEntry& FindStatisticEntry(const std::string& name) {
  for (const StatisticEntry& entry : kCatalogue)
    if (VEXAMBstricmp_A(entry.name, name.c_str()) == 0) return entry;
  return kUnknown;
}
