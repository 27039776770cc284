#pragma once
// Drives the aggregation library the way the graph module does: adds every
// case of a split group, walks the cells (first break variable outermost)
// and copies their results, then resets for the next group.

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AggregationCube.h"
#include "AggregationTable.h"
#include "AggregationVariable.h"
#include "CubeAggregator.h"
#include "TableDimension.h"
#include "VEXA_DataSource.h"
#include "VEXA_InputCaseIterator.h"

// A category as text: a number by %.10g ("sysmis" for system-missing), a
// text with trailing blanks removed.
inline std::string CategoryKey(const AggregationCategory& category) {
  if (category.IsString()) {
    std::string text(category.GetString()->text, category.GetStringCells() * sizeof(OBS));
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  if (category.GetValue() == kSysMiss) return "sysmis";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", category.GetValue());
  return buffer;
}

// One split group: each cell's results by its categories' keys joined with "|".
using CellResults = std::map<std::string, std::vector<AggregationResult>>;

struct CubeSpec {
  std::vector<AggregationVariable*> breaks;  // handed to the cube
  std::vector<AggregationStatistic> statistics;
  bool categoryStatistics = false;  // AddCategoryStatistics with the first break variable
  bool notListwise = false;
  bool duplicates = false;  // SetComputingCounts on the first break variable's dimension
  std::function<bool(long caseNumber)> keep;  // a filter: cases it rejects are not added
};

struct CubeRun {
  std::vector<CellResults> groups;
  // Each group's category keys per break variable, in the dimension's order.
  std::vector<std::vector<std::vector<std::string>>> categories;
};

inline void CollectCells(CubeAggregator& aggregator, const std::vector<AggregationVariable*>& breaks,
                         std::vector<const AggregationCategory*>& path, const std::string& key,
                         CellResults& out) {
  const std::size_t depth = path.size();
  if (depth == breaks.size()) {
    const StatValues* values = aggregator.GetStatValues(path, -1);
    if (values == nullptr) return;
    std::vector<AggregationResult>& results = out[key];
    for (int i = 0; i < values->GetStatCount(); ++i) results.push_back(values->GetStatValue(i));
    return;
  }
  for (const AggregationCategory& category : breaks[depth]->GetTableDimension()->GetCategories()) {
    path.push_back(&category);
    CollectCells(aggregator, breaks, path, depth == 0 ? CategoryKey(category) : key + "|" + CategoryKey(category), out);
    path.pop_back();
  }
}

inline CubeRun RunCube(VEXA_DataSource& source, CubeSpec spec) {
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  AggregationTable table(cases.get(), false, spec.notListwise, -1);
  AggregationCube* cube = table.CreateCube();
  for (AggregationVariable* variable : spec.breaks) cube->AddCategoricalVariable(variable, 0);
  CubeAggregator* aggregator = cube->CreateCubeAggregator();
  if (spec.duplicates) spec.breaks[0]->GetTableDimension()->SetComputingCounts(true);
  if (spec.categoryStatistics) {
    cube->AddCategoryStatistics(spec.statistics, spec.breaks[0]);
  } else {
    cube->AddScaleStatistics(spec.statistics);
  }
  auto* split = dynamic_cast<ProcDSIterator*>(cases.get());
  CubeRun run;
  auto writeGroup = [&] {
    run.groups.emplace_back();
    run.categories.emplace_back();
    for (AggregationVariable* variable : spec.breaks) {
      run.categories.back().emplace_back();
      for (const AggregationCategory& c : variable->GetTableDimension()->GetCategories())
        run.categories.back().back().push_back(CategoryKey(c));
    }
    std::vector<const AggregationCategory*> path;
    CollectCells(*aggregator, spec.breaks, path, "", run.groups.back());
    table.ResetAggregator();
  };
  while (cases->NextCase()) {
    if (split && split->SplitGroupEnd()) {
      writeGroup();
      continue;
    }
    if (!spec.keep || spec.keep(cases->GetCaseNumber())) table.AddNewCase();
  }
  writeGroup();
  return run;
}
