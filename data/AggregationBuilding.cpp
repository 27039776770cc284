// Defining the aggregation cube of a data set with summary functions.

#include <vector>

#include "data/GGraphDataSetRep.h"
#include "host/engine/AggregationCube.h"
#include "host/engine/AggregationMCSet.h"
#include "host/engine/AggregationMDSet.h"
#include "host/engine/AggregationStatistic.h"
#include "host/engine/StatisticCodes.h"
#include "host/engine/TableDimension.h"
#include "model/VariableResolver.h"
#include "report/SyntaxMessages.h"

namespace {

constexpr int kScaleLevel = 1;

bool IsFilterVariable(const GGraphDataSet::Rep& rep, const GGraphVariable& variable) {
  for (const auto& filter : rep.filters)
    if (filter->name == variable.GetVariableName()) return true;
  return false;
}

AggregationVariable* MakeBreakVariable(const GGraphVariable& variable) {
  const VariableResolver& resolver = *variable.GetResolver();
  const std::string name = variable.GetVariableName();
  switch (resolver.getVariableType()) {
    case SINGLE_VARIABLE:
      return new AggregationVariable(resolver.getVariableIndex(), name.c_str());
    case CATEGORY_SET:
      return new AggregationMCSet(resolver.getVariableIndexList(), name.c_str());
    case DICHOTOMY_SET: {
      int width = 0;
      const OBS* counted = resolver.getCountedValue(width);
      return new AggregationMDSet(resolver.getVariableIndexList(), name.c_str(), counted, width, false);
    }
    default:
      return nullptr;
  }
}

void AddBreakVariables(GGraphDataSet::Rep& rep, AggregationCube& cube) {
  for (const auto& variable : rep.variables) {
    if (!variable->GetResolver() || IsFilterVariable(rep, *variable)) continue;
    AggregationVariable* made = MakeBreakVariable(*variable);
    if (!made) continue;
    made->SetExcludeMissing(variable->GetLevel() == kScaleLevel || !rep.reportMissing);
    cube.AddCategoricalVariable(made, 0);
    rep.breakVariables.push_back(made);
    rep.breakOrigins.push_back(variable.get());
  }
}

bool HasErrorBars(const GGraphDataSet::Rep& rep) {
  for (const auto& statistic : rep.statistics)
    if (statistic->IsInterval()) return true;
  return false;
}

std::vector<AggregationStatistic> CopyStatistics(const GGraphDataSet::Rep& rep) {
  std::vector<AggregationStatistic> copies;
  for (const auto& statistic : rep.statistics) copies.push_back(*statistic->GetAggregationStatistic());
  return copies;
}

// Counts only: the statistics of the first break variable's categories.
// With error bars the cell count follows at index n, then n copies of the
// last error bar's statistic.
bool AddCategoryStatistics(GGraphDataSet::Rep& rep, AggregationCube& cube) {
  if (rep.breakVariables.empty()) {
    ReportText("Function must have at least one break variable specified", kLevelError);
    return false;
  }
  AggregationVariable* first = rep.breakVariables.front();
  std::vector<AggregationStatistic> statistics = CopyStatistics(rep);
  int errorBarCode = 0;
  for (const auto& statistic : rep.statistics) {
    first->GetTableDimension()->SetComputingCounts(statistic->GetCountDuplicates());
    if (statistic->IsInterval()) errorBarCode = statistic->GetIntervalStatistic();
  }
  if (HasErrorBars(rep)) {
    statistics.emplace_back(kStatCount);
    statistics.insert(statistics.end(), rep.statistics.size(), AggregationStatistic(errorBarCode));
  }
  cube.AddCategoryStatistics(statistics, first);
  return true;
}

// Statistics over variables; counts count the cases valid on the first
// statistic's variable. With error bars the count follows at index n, then
// each statistic's error-bar statistic at n + 1 + i.
void AddScaleStatistics(GGraphDataSet::Rep& rep, AggregationCube& cube) {
  int column = -1;
  for (const auto& statistic : rep.statistics)
    if (statistic->TakesVariable()) {
      column = statistic->GetVariableIndex();
      break;
    }
  if (rep.hasCountStatistic)
    for (const auto& statistic : rep.statistics)
      if (!statistic->TakesVariable()) statistic->GetAggregationStatistic()->SetVarIndex(column);
  std::vector<AggregationStatistic> statistics = CopyStatistics(rep);
  if (HasErrorBars(rep)) {
    statistics.emplace_back(kStatCount);
    statistics.back().SetVarIndex(column);
    for (const auto& statistic : rep.statistics) {
      statistics.emplace_back(statistic->GetIntervalStatistic());
      statistics.back().SetVarIndex(statistic->GetVariableIndex());
      if (statistic->GetAggregationStatistic()->GetSummaryStatistic() == kStatMedian)
        statistics.back().SetCIMedian(statistic->GetIntervalLevel() * 100.0);
    }
  }
  cube.AddScaleStatistics(statistics);
}

}  // namespace

bool GGraphDataSet::BuildAggregation(VEXA_InputCaseIterator* cases, bool flag) {
  Rep& rep = *rep_;
  if (rep.aggregationTable) return false;
  rep.caseIterator = cases;
  if (!HasAggregation()) return false;
  rep.aggregationTable = std::make_unique<AggregationTable>(cases, flag, !rep.listwise, -1);
  AggregationCube* cube = rep.aggregationTable->CreateCube();
  AddBreakVariables(rep, *cube);
  cube->CreateCubeAggregator();
  if (!rep.hasVariableStatistic) return AddCategoryStatistics(rep, *cube);
  AddScaleStatistics(rep, *cube);
  return true;
}

void GGraphDataSet::ResetAggregator() {
  if (HasAggregation() && rep_->aggregationTable) rep_->aggregationTable->ResetAggregator();
}
