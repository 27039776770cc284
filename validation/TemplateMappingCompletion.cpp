#include "validation/TemplateMappingCompletion.h"

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "graphspec/VizVariableMapping.h"
#include "host/chart/ChartString.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "report/Messages.h"
#include "validation/MappedVariableText.h"
#include "validation/MappingSetCompletion.h"

namespace {

constexpr int kLevelNotGiven = 0;
constexpr int kLevelScaleGiven = 1;

void AppendVariables(const GGraphSettings::DataSetList& dataSets, std::vector<GGraphVariable*>& out) {
  for (const auto& dataSet : dataSets)
    for (const auto& variable : dataSet->GetVariables()) out.push_back(variable.get());
}

GGraphDataSet* FindByName(const GGraphSettings::DataSetList& dataSets, const std::string& name) {
  for (const auto& dataSet : dataSets)
    if (dataSet->GetSourceNameUtf8() == name) return dataSet.get();
  return nullptr;
}

bool HasStatisticLabelled(const GGraphDataSet& dataSet, const std::string& label) {
  const ChartString wanted(label);
  for (const auto& statistic : dataSet.GetStatistics())
    if (statistic->GetGPLLabel() == wanted) return true;
  return false;
}

// A LEVEL given in the variable list overrides the dictionary.
bool IsCategorical(const GGraphVariable& variable, const VEXA_Variable& engineVariable) {
  if (variable.GetLevel() == kLevelNotGiven) return engineVariable.GetMeasurementLevel() != kLevelScale;
  return variable.GetLevel() != kLevelScaleGiven;
}

}  // namespace

TemplateMappingCompletion::TemplateMappingCompletion(const GGraphSettings& settings) : settings_(settings) {
  AppendVariables(settings.GetUnaggregatedDataSets(), allVariables_);
  AppendVariables(settings.GetAggregatedDataSets(), allVariables_);
}

bool TemplateMappingCompletion::Complete(VizVariableMapping& mapping) {
  GGraphDataSet* dataSet = nullptr;
  if (!FindDataSet(mapping, dataSet)) return false;
  GGraphVariable* variable = MappedVariable(mapping);
  const VariableResolver* resolver = variable ? variable->GetResolver() : nullptr;
  if (!resolver) return true;
  switch (resolver->getVariableType()) {
    case SINGLE_VARIABLE:
      DescribeVariable(*variable, mapping);
      break;
    case CATEGORY_SET:
    case DICHOTOMY_SET:
      if (dataSet) CompleteSetMapping(*variable, *dataSet, mapping);
      break;
    case NOT_RESOLVED:
      break;
  }
  return true;
}

bool TemplateMappingCompletion::FindDataSet(VizVariableMapping& mapping, GGraphDataSet*& found) const {
  const auto& unaggregated = settings_.GetUnaggregatedDataSets();
  const auto& aggregated = settings_.GetAggregatedDataSets();
  if (mapping.dataSetName.empty()) {
    found = !unaggregated.empty() ? unaggregated.front().get()
            : !aggregated.empty() ? aggregated.front().get()
                                  : nullptr;
    if (found) mapping.dataSetName = found->GetSourceNameUtf8();
    return true;
  }
  found = FindByName(unaggregated, mapping.dataSetName);
  if (found) return true;
  found = FindByName(aggregated, mapping.dataSetName);
  if (!found) {
    ReportTemplate("The specified dataset ^1 does not exist.", {mapping.dataSetName}, kLevelError);
    return false;
  }
  // A summary function fills the slot with values, not categories.
  if (HasStatisticLabelled(*found, mapping.variableName)) mapping.categorical = false;
  return true;
}

bool TemplateMappingCompletion::IsKnownColumn(const VizVariableMapping& mapping) const {
  const auto& unaggregated = settings_.GetUnaggregatedDataSets();
  const auto& aggregated = settings_.GetAggregatedDataSets();
  if (unaggregated.empty() && aggregated.empty()) return true;
  if (MappedVariable(mapping)) return true;
  for (const auto* dataSets : {&unaggregated, &aggregated})
    for (const auto& dataSet : *dataSets) {
      if (HasStatisticLabelled(*dataSet, mapping.variableName)) return true;
      // A variable of the data (a split variable, say) outside the list.
      const VEXA_DataSource* source = dataSet->GetDataSource();
      if (source && source->FindVarIndex(mapping.variableName.c_str(), 0) >= 0) return true;
    }
  return false;
}

GGraphVariable* TemplateMappingCompletion::MappedVariable(const VizVariableMapping& mapping) const {
  for (GGraphVariable* variable : allVariables_)
    if (variable->GetVariableUnicodeName() == mapping.variableName) return variable;
  return nullptr;
}

void TemplateMappingCompletion::DescribeVariable(GGraphVariable& variable, VizVariableMapping& mapping) {
  const VEXA_Variable* engineVariable = variable.GetResolver()->getVariable();
  if (!engineVariable) return;
  mapping.hasFormat = true;
  mapping.format = engineVariable->GetFormat();
  mapping.categorical = IsCategorical(variable, *engineVariable);
  if (mapping.categorical && HasValueLabels(*engineVariable)) mapping.labelSetName = LabelSetName(variable);
  std::string label = VariableLabelUtf8(*engineVariable);
  if (!label.empty()) mapping.variableLabel = label;
}

// Variables that stand for the same engine variable share one label source.
std::string TemplateMappingCompletion::LabelSetName(GGraphVariable& variable) {
  const VEXA_Variable* engineVariable = variable.GetResolver()->getVariable();
  for (const GGraphVariable* seen : labelledVariables_)
    if (seen->GetResolver()->getVariable() == engineVariable) return seen->GetLabelingVariableName();
  labelledVariables_.push_back(&variable);
  return variable.MakeLabelingVariableName();
}
