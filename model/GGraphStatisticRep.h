#pragma once
// The private record of GGraphStatistic, shared by the files that implement it.

#include <memory>
#include <string>
#include <vector>

#include "host/chart/ChartString.h"
#include "host/engine/AggregationStatistic.h"
#include "model/GGraphStatistic.h"
#include "model/StatisticCatalogue.h"

struct GGraphStatistic::Rep {
  Rep(const std::string& name, FacSTDictionary* table);

  const StatisticEntry& entry;
  std::unique_ptr<AggregationStatistic> statistic;
  FacSTDictionary* dictionary;  // not owned
  ChartString functionName;
  ChartString gplLabel;
  std::string variableName;
  VEXA_Variable* variable = nullptr;  // not owned
  bool countDuplicates = false;
  double intervalLevel = 0;
  ChartString lowGplLabel;
  ChartString highGplLabel;
  bool missingBound = false;
  bool missingResult = false;

  bool IsInterval() const { return entry.interval != nullptr; }
  IntervalKind Kind() const { return entry.interval ? entry.interval->kind : kConfidenceInterval; }
  // The values a label shows after the function: cut point or limits.
  std::vector<double> LabelValues() const;
  // The variable's label, or the variable name as given.
  std::string VariableText() const;
  // The default GPL name of an interval bound.
  ChartString BoundGPLLabel(const char* ending) const;
};
