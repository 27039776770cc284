#pragma once
#include <cstdint>
#include <string>

#include "host/chart/ChartString.h"

class AggregationResult;
class AggregationStatistic;
class FacSTDictionary;
class VEXA_DataSource;
class VEXA_Variable;

// What the bounds of an interval function stand for.
enum IntervalKind : std::int32_t {
  kConfidenceInterval = 0,
  kStandardDeviations = 1,
  kStandardErrors = 2,
};

// One summary function of a variable list, such as MEAN(salary) or
// PTILE(age, 25): its statistic code, its checked parameters, its variable
// bound to the data source, the bounds of interval functions, and the labels
// and result formats under which charts show it.
class GGraphStatistic {
 public:
  // The function name as written; an unknown name gives a statistic that is
  // not valid. The string table is not owned.
  GGraphStatistic(const std::string& name, FacSTDictionary* dictionary);
  ~GGraphStatistic();
  GGraphStatistic(const GGraphStatistic&) = delete;
  GGraphStatistic& operator=(const GGraphStatistic&) = delete;

  // The first parameter: the variable, DUP/NODUP, or a COUNTCI/PCTCI level.
  void SetMainParameter(const std::string& text, double value);
  // The second (position 1) or third (position 2) parameter.
  void SetParameter(int position, double value, const std::string& text);
  // Binds the variable parameter; false after a reported error.
  bool ResolveVariableParameter(const VEXA_DataSource* dataSource);

  // Positional parameters including the variable; keywordCount receives the
  // number of optional ones (DUP/NODUP or the interval level).
  int GetParameterCounts(int& keywordCount) const;
  bool IsValid() const;
  bool IsAggregating() const;
  bool IsCaseValue() const;
  bool IsCount() const;
  bool IsInterval() const;
  bool TakesVariable() const;
  bool GetCountDuplicates() const;
  IntervalKind GetIntervalKind() const;
  // A fraction (0.95) for confidence intervals, else the multiplier.
  double GetIntervalLevel() const;
  bool HasMissingBound() const;
  // A result that does not exist as a number (a sum or count beyond the
  // double range) becomes system-missing and marks the statistic.
  double BoundedResult(double value);
  bool HasMissingResult() const;
  // The code of the further statistic the bounds are computed from; 0 for
  // functions that are not intervals.
  int GetIntervalStatistic() const;
  int GetVariableIndex() const;
  VEXA_Variable* GetStatisticVariable() const;
  // The statistic handed to the aggregation.
  AggregationStatistic* GetAggregationStatistic() const;

  // The bounds of an interval function from the statistic's value, the
  // interval statistic's result and the cell's count. Bounds that do not
  // exist as numbers become system-missing.
  bool ComputeInterval(double value, const AggregationResult& result, double count, double& low, double& high);

  // Labels; names set here are in the local code page.
  std::string GetDisplayLabel() const;
  std::string GetFullLabel() const;  // UTF-8
  // False, leaving both untouched, for a function that is not an interval.
  bool GetIntervalLabels(ChartString& low, ChartString& high) const;
  ChartString GetGPLLabel() const;
  ChartString GetLowGPLLabel() const;
  ChartString GetHighGPLLabel() const;
  void SetGPLLabel(const std::string& label);
  void SetLowGPLLabel(const std::string& label);
  void SetHighGPLLabel(const std::string& label);

  // Result formats: -1 when no decimals rule applies.
  int GetResultDecimals() const;
  ChartString GetResultPrefix() const;
  ChartString GetResultSuffix() const;
  bool IsDateSpread() const;

 private:
  struct Rep;
  Rep* rep_;
};
