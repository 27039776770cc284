#include "bench/GroupByTasks.h"

#include <chrono>
#include <memory>
#include <vector>

#include "AggregationCube.h"
#include "AggregationTable.h"
#include "AggregationVariable.h"
#include "CtaDistFun.h"
#include "CubeAggregator.h"
#include "StatisticCodes.h"
#include "TableDimension.h"
#include "VEXA_DataSource.h"
#include "VEXA_InputCaseIterator.h"

namespace {

struct TaskPlan {
  std::vector<const char*> breaks;
  std::vector<int> codes;  // over x; COUNT alone counts every case
  double cutPoint = 0;
};

TaskPlan PlanOf(char task) {
  switch (task) {
    case 'a': return {{"g1", "g2"}, {kStatCount}};
    case 'b': return {{"g1", "g2"}, {kStatMean}};
    case 'c': return {{"g1", "g2"}, {kStatMedian}};
    case 'd': return {{"g1", "g2"}, {kStatPercentile}, 25};
    case 'e': return {{"g1", "g2"}, {kStatCount, kStatMean, kStatStdDev, kStatSeMean}};
    case 'f': return {{"g1"}, {kStatMean}};
    default: return {{"s"}, {kStatMean}};
  }
}

// The main column of a cell: the first statistic, or for e the lower bound
// of the t-interval, mean - t(0.975, n - 1) * se.
double MainValue(char task, const StatValues& values) {
  if (task != 'e') return values.GetStatValue(0);
  const double n = values.GetStatValue(0), mean = values.GetStatValue(1), se = values.GetStatValue(3);
  return mean - CtaDistFun::IdfT(0.975, n - 1) * se;
}

void WalkCells(char task, CubeAggregator& aggregator, const std::vector<AggregationVariable*>& breaks,
               std::vector<const AggregationCategory*>& path, GroupByResult& result) {
  if (path.size() == breaks.size()) {
    if (const StatValues* values = aggregator.GetStatValues(path, -1)) {
      ++result.rows;
      result.checksum += MainValue(task, *values);
    }
    return;
  }
  for (const AggregationCategory& category : breaks[path.size()]->GetTableDimension()->GetCategories()) {
    path.push_back(&category);
    WalkCells(task, aggregator, breaks, path, result);
    path.pop_back();
  }
}

}  // namespace

GroupByResult RunGroupByTask(char task, VEXA_DataSource& source) {
  const auto start = std::chrono::steady_clock::now();
  const TaskPlan plan = PlanOf(task);
  const int x = source.FindVarIndex("x", 0);
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  AggregationTable table(cases.get(), false, false, -1);
  AggregationCube* cube = table.CreateCube();
  std::vector<AggregationVariable*> breaks;
  for (const char* name : plan.breaks) {
    breaks.push_back(new AggregationVariable(source.FindVarIndex(name, 0), name));
    cube->AddCategoricalVariable(breaks.back(), 0);
  }
  CubeAggregator* aggregator = cube->CreateCubeAggregator();
  std::vector<AggregationStatistic> statistics;
  for (int code : plan.codes) {
    statistics.emplace_back(code);
    if (plan.codes.size() > 1 || code != kStatCount) statistics.back().SetVarIndex(x);
    if (plan.cutPoint > 0) statistics.back().SetPTileCutPoint(plan.cutPoint);
  }
  if (task == 'a') {
    cube->AddCategoryStatistics(statistics, breaks[0]);
  } else {
    cube->AddScaleStatistics(statistics);
  }
  // The module's case loop: a split stop ends a group, every other case is added.
  auto* split = dynamic_cast<ProcDSIterator*>(cases.get());
  while (cases->NextCase()) {
    if (split != nullptr && split->SplitGroupEnd()) continue;
    table.AddNewCase();
  }
  GroupByResult result;
  std::vector<const AggregationCategory*> path;
  WalkCells(task, *aggregator, breaks, path, result);
  table.ResetAggregator();
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}
