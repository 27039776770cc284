#include "driver/CompleteVarsToCases.h"

#include <memory>
#include <vector>

#include "data/GGraphDataSet.h"
#include "driver/ApplyStatistic.h"
#include "driver/CompletionSteps.h"
#include "driver/ResultFormat.h"
#include "host/chart/XGraph.h"
#include "host/chart/XUtility.h"
#include "host/chart/XVariable.h"
#include "host/engine/AggregationStatistic.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "report/DictionaryText.h"

namespace {

constexpr int kCreatorData = 0;

using Statistics = std::vector<std::unique_ptr<GGraphStatistic>>;

struct ColumnNames {
  ChartString summary;
  ChartString index;
  ChartString low;
  ChartString high;
};

// What the statistics of the transform have in common. The format keeps
// the decimals, signs and date spread they share (0, none and false where
// they differ) and the variable they share (none where they differ). With
// no statistic at all, nothing differs and no rule gives decimals.
struct SharedResults {
  bool oneVariable = true;
  bool oneStatistic = true;
  ResultFormat format;
};

int SummaryCode(const GGraphStatistic& statistic) {
  return statistic.GetAggregationStatistic()->GetSummaryStatistic();
}

SharedResults ScanStatistics(const Statistics& statistics) {
  SharedResults shared;
  if (statistics.empty()) return shared;
  const GGraphStatistic& first = *statistics.front();
  ResultFormat common = ResultFormat::Of(first);
  bool sameDecimals = true;
  bool samePrefix = true;
  bool sameSuffix = true;
  bool sameDateSpread = true;
  for (const auto& statistic : statistics) {
    ResultFormat format = ResultFormat::Of(*statistic);
    shared.oneVariable = shared.oneVariable && format.variable == common.variable;
    shared.oneStatistic = shared.oneStatistic && SummaryCode(*statistic) == SummaryCode(first);
    sameDecimals = sameDecimals && format.decimals == common.decimals;
    samePrefix = samePrefix && format.prefix == common.prefix;
    sameSuffix = sameSuffix && format.suffix == common.suffix;
    sameDateSpread = sameDateSpread && format.dateSpread == common.dateSpread;
  }
  if (!sameDecimals) common.decimals = 0;
  if (!samePrefix) common.prefix.clear();
  if (!sameSuffix) common.suffix.clear();
  if (!sameDateSpread) common.dateSpread = false;
  if (!shared.oneVariable) common.variable = nullptr;
  shared.format = common;
  return shared;
}

// A variable's label, or its name when it has none.
ChartString VariableText(const VEXA_Variable& variable) {
  return XUtility::ChartStringFromLocalCodePage(HasText(variable.GetLabel()) ? variable.GetLabel()
                                                                             : variable.GetName());
}

void DescribeColumns(XGraph& graph, const ColumnNames& names, const Statistics& statistics) {
  XVariable& summary = *graph.getVariable(names.summary, 0);
  for (const auto& statistic : statistics) ApplyStatistic(*statistic->GetAggregationStatistic(), summary);
  summary.setCreator(kCreatorData);
  graph.getVariable(names.index, 0)->setCreator(kCreatorData);
}

// Rows differ by statistic and by variable: each row is named in full.
void LabelByFullLabel(XVariable& summary, XVariable& index, const Statistics& statistics,
                      const FacSTDictionary* dictionary) {
  summary.setLabel(LocalisedText(dictionary, "E60801"));
  index.setLabel(LocalisedText(dictionary, "Variables"));
  for (int i = 0; i < static_cast<int>(statistics.size()); ++i)
    index.addRelabel(i, ChartString(statistics[i]->GetFullLabel()));
}

// Rows differ by statistic over one variable: the summary is the variable.
void LabelByStatistic(XVariable& summary, XVariable& index, const Statistics& statistics,
                      const VEXA_Variable* variable, const FacSTDictionary* dictionary) {
  summary.setLabel(variable ? VariableText(*variable) : LocalisedText(dictionary, "E60801"));
  index.setLabel(LocalisedText(dictionary, "Statistics"));
  for (int i = 0; i < static_cast<int>(statistics.size()); ++i)
    index.addRelabel(i, XUtility::ChartStringFromOLANG(statistics[i]->GetDisplayLabel()));
}

// Rows differ by variable under one statistic: the summary is the statistic.
// Unaggregated rows hold the data set's variables, in list order.
void LabelByVariable(XVariable& summary, XVariable& index, const GGraphDataSet& dataSet,
                     const VEXA_Variable* sharedVariable, const FacSTDictionary* dictionary) {
  const Statistics& statistics = dataSet.GetStatistics();
  summary.setLabel(statistics.empty() ? LocalisedText(dictionary, "E60801")
                                      : XUtility::ChartStringFromOLANG(statistics.back()->GetDisplayLabel()));
  index.setLabel(sharedVariable ? VariableText(*sharedVariable) : LocalisedText(dictionary, "Variables"));
  for (int i = 0; i < static_cast<int>(statistics.size()); ++i) {
    const VEXA_Variable* variable = statistics[i]->GetStatisticVariable();
    index.addRelabel(i, variable ? VariableText(*variable) : ChartString(statistics[i]->GetFullLabel()));
  }
  if (dataSet.HasAggregation()) return;
  int row = 0;
  for (const auto& variable : dataSet.GetVariables())
    if (!variable->IsCaseNumber())
      index.addRelabel(row++, XUtility::ChartStringFromLocalCodePage(variable->GetLabel()));
}

void LabelColumns(XGraph& graph, const ColumnNames& names, const GGraphDataSet& dataSet, const SharedResults& shared,
                  const FacSTDictionary* dictionary) {
  XVariable& summary = *graph.getVariable(names.summary, 0);
  XVariable& index = *graph.getVariable(names.index, 0);
  const VEXA_Variable* sharedVariable = shared.oneVariable ? shared.format.variable : nullptr;
  if (shared.oneStatistic)
    LabelByVariable(summary, index, dataSet, sharedVariable, dictionary);
  else if (shared.oneVariable)
    LabelByStatistic(summary, index, dataSet.GetStatistics(), sharedVariable, dictionary);
  else
    LabelByFullLabel(summary, index, dataSet.GetStatistics(), dictionary);
}

void FormatErrorBarEnd(XGraph& graph, const ChartString& name, const ResultFormat& format) {
  XVariable& end = *graph.getVariable(name, 0);
  end.setCreator(kCreatorData);
  format.ApplyTo(end, true);
}

}  // namespace

void CompleteVarsToCases(const GGraphDataSet& dataSet, const FacSTDictionary* dictionary, XGraph& graph) {
  ColumnNames names;
  dataSet.GetVarsToCasesNames(names.summary, names.index, names.low, names.high);
  SharedResults shared = ScanStatistics(dataSet.GetStatistics());
  RunCompletionStep([&] { DescribeColumns(graph, names, dataSet.GetStatistics()); });
  RunCompletionStep([&] { LabelColumns(graph, names, dataSet, shared, dictionary); });
  RunCompletionStep([&] { shared.format.ApplyTo(*graph.getVariable(names.summary, 0), true); });
  RunCompletionStep([&] { FormatErrorBarEnd(graph, names.low, shared.format); });
  RunCompletionStep([&] { FormatErrorBarEnd(graph, names.high, shared.format); });
}
