#pragma once
#include <span>
#include <string>

#include "model/GGraphStatistic.h"

// How a summary function takes the parameters after its first one.
enum class ParameterShape {
  kNone,              // COUNT
  kDuplicates,        // RESPONSES, PCTRESPONSES: DUP or NODUP
  kVariable,          // a variable only
  kCutPoint,          // PTILE, GPTILE: a percentage
  kUpperLimit,        // PLT, NLT
  kLowerLimit,        // the other one-limit functions
  kLimits,            // PIN, NIN: low and high
  kVariableInterval,  // the intervals of the mean and of the median
  kCountInterval,     // COUNTCI, PCTCI: a level only
};

// Which rule gives a function's result decimals, prefix and suffix.
enum class ResultRule {
  kNoRule,    // no rule
  kCount,     // 0 decimals
  kPercent,   // 1 decimal, "%"
  kVariance,  // 3 decimals, also for dates
  kValue,     // the variable's decimals and currency
  kSummary,   // the variable's decimals (capped for numbers) and currency
  kSpread,    // as kSummary with one decimal more; a date spread for dates
};

// How an interval function's bounds follow from the cell's results.
enum class IntervalBounds {
  kJeffreys,    // a beta quantile of the count in the cell's total
  kAroundMean,  // the mean plus and minus a multiple of the further statistic
  kFromResult,  // the further statistic gives both bounds
};

// The bounds of an interval function and how they are labelled.
struct IntervalSpec {
  IntervalKind kind;
  double defaultLevel;
  int boundStatistic;  // the further statistic the bounds come from
  IntervalBounds bounds;
  bool namesVariable;   // the variable appears in the bound labels
  bool levelInPercent;  // the level appears multiplied by 100
  const char* lowPattern;
  const char* highPattern;
};

// Where a parameter of the chart library's statistic comes from.
enum class ChartParameter { kZero, kLowerLimit, kUpperLimit, kCutPoint };

// The statistic the chart library is told a function's column holds.
struct ChartStatistic {
  int kind = kNoChartStatistic;
  ChartParameter first = ChartParameter::kZero;
  ChartParameter second = ChartParameter::kZero;
  ChartParameter third = ChartParameter::kZero;
  bool flag = false;

  static constexpr int kNoChartStatistic = -1;
};

// One function of the catalogue.
struct StatisticEntry {
  const char* name;
  int code;
  const char* meaning;   // one line of what the function computes
  int numericCount = 0;  // positional parameters, the variable included
  int keywordCount = 0;  // optional parameters
  ParameterShape shape;
  ResultRule result;
  const char* displayPattern = nullptr;  // null: no display label
  const char* fullPattern = nullptr;
  const char* word = nullptr;              // ^1 of "^1 ^2"; null when none
  const IntervalSpec* interval = nullptr;  // null: not an interval function
  ChartStatistic chart = {};               // kind kNoChartStatistic: none
};

// Every function of the catalogue, in search order.
std::span<const StatisticEntry> StatisticCatalogue();
// The parameters as a user writes them, such as "variable, percent".
std::string StatisticParameters(const StatisticEntry& entry);
// The entry of a function name (compared ignoring case); an unknown name
// gives an entry with code 0.
const StatisticEntry& FindStatisticEntry(const std::string& name);
// The chart statistic of a summary code (the first function with that code);
// a code no function has gives kind kNoChartStatistic.
const ChartStatistic& FindChartStatistic(int code);
