#include "driver/CompleteChart.h"

#include <memory>
#include <string>
#include <vector>

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "driver/CompleteStatistic.h"
#include "driver/CompleteVariable.h"
#include "driver/CompleteVarsToCases.h"
#include "driver/CompletionSteps.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"
#include "host/chart/XGraph.h"
#include "host/chart/XUtility.h"
#include "host/chart/XVariable.h"
#include "host/engine/FetchFile.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "report/ChartMessages.h"

namespace {

constexpr int kLockedAgainstEditing = 1;

// What completing the data sets of one chart needs besides the data set.
struct Completion {
  XGraph& graph;
  const FacSTDictionary* dictionary;
  const RelabelString& relabel;
  bool defaultTemplate;
};

// The engine variable of a plain variable; none for sets and system variables.
const VEXA_Variable* EngineVariable(const GGraphVariable& variable) {
  const VariableResolver* resolver = variable.GetResolver();
  return resolver ? resolver->getVariable() : nullptr;
}

// Completes every chart variable of the variable's column, however many
// there are; tells whether one of them is a weight variable. False from
// `found` when the chart has none.
bool CompleteChartVariables(const Completion& completion, const GGraphVariable& variable, bool& found) {
  bool weight = false;
  ChartString name(variable.GetVariableUnicodeName());
  found = false;
  for (int n = 0;; ++n) {
    XVariable* chartVariable = nullptr;
    RunCompletionStep([&] { chartVariable = completion.graph.getVariable(name, n); });
    if (!chartVariable) break;
    found = true;
    RunCompletionStep([&] { CompleteVariable(*chartVariable, variable, completion.dictionary, completion.defaultTemplate); });
    weight = weight || chartVariable->isWeightVariable();
  }
  return weight;
}

// The chart variable the graph makes for a data-set variable the chart does
// not declare: null for the weight (made once all variables are seen) and
// for variables the chart cannot show on their own.
XVariable* MakeChartVariable(XGraph& graph, const GGraphDataSet& dataSet, const GGraphVariable& variable) {
  ChartString source(dataSet.GetSourceNameUtf8());
  if (variable.IsCaseNumber()) return graph.createCaseNumberVariable(source);
  if (variable.IsWeight()) return nullptr;
  const VEXA_Variable* engineVariable = EngineVariable(variable);
  bool transformedCases = !dataSet.HasAggregation() && dataSet.IsVarsToCases();
  if (transformedCases || !engineVariable) return nullptr;
  bool categorical = engineVariable->GetMeasurementLevel() != kLevelScale;
  return graph.createVariable(source, categorical, variable.GetVariableUnicodeName());
}

void CompleteStatistics(const Completion& completion, const GGraphDataSet& dataSet) {
  for (const auto& statistic : dataSet.GetStatistics())
    RunCompletionStep([&] { CompleteStatistic(completion.graph, dataSet, *statistic, completion.relabel); });
}

void CompleteVariables(const Completion& completion, const GGraphDataSet& dataSet) {
  const GGraphVariable* weightVariable = nullptr;
  bool chartHasWeight = false;
  for (const auto& variable : dataSet.GetVariables()) {
    bool found = false;
    chartHasWeight = CompleteChartVariables(completion, *variable, found) || chartHasWeight;
    if (found || !completion.defaultTemplate) continue;
    if (variable->IsWeight()) weightVariable = variable.get();
    RunCompletionStep([&] {
      if (XVariable* made = MakeChartVariable(completion.graph, dataSet, *variable))
        CompleteVariable(*made, *variable, completion.dictionary, completion.defaultTemplate);
    });
  }
  if (chartHasWeight || !weightVariable) return;
  RunCompletionStep([&] {
    XVariable* weight = completion.graph.createWeightVariable(ChartString(dataSet.GetSourceNameUtf8()));
    CompleteVariable(*weight, *weightVariable, completion.dictionary, completion.defaultTemplate);
  });
}

void CompleteDataSets(XDocument* document, const GGraphSettings::DataSetList& dataSets,
                      const FacSTDictionary* dictionary, const RelabelString& relabel, bool defaultTemplate) {
  XGraph* graph = document->getExternalGraph();
  Completion completion{*graph, dictionary, relabel, defaultTemplate};
  for (const auto& dataSet : dataSets) {
    if (!graph->doesSourceExist(XUtility::ChartStringFromLocalCodePage(dataSet->GetSourceName()))) continue;
    if (dataSet->IsVarsToCases())
      CompleteVarsToCases(*dataSet, dictionary, *graph);
    else if (defaultTemplate)
      CompleteStatistics(completion, *dataSet);
    CompleteVariables(completion, *dataSet);
    graph->tweakExpressionVars();
  }
}

ChartString Description(const GraphSpec& spec, const FacSTDictionary* dictionary) {
  ChartString label = XUtility::ChartStringFromLocalCodePage(spec.GetOutputLabel());
  return label.empty() ? LocalisedText(dictionary, "Graph") : label;
}

void ApplyTemplates(XDocument* document, const GraphSpec& spec) {
  if (!spec.GetDefaultTemplate()) {
    document->doNotModify(true);
    return;
  }
  for (const std::string& file : spec.GetTemplateFiles()) {
    // A template that cannot be read would silently leave the chart unstyled.
    if (FetchFile::fetch(file, true, true).empty()) {
      ReportTemplateFileUnreadable(file);
      continue;
    }
    document->SetChartTemplate(file);
  }
  document->SetName("GGRAPH");
}

}  // namespace

bool CompleteChart::Complete(XDocument* document, GGraphSettings& settings, GraphSpec& spec,
                             FacSTDictionary* dictionary, RelabelString& relabel) {
  if (!document->implementationExists()) return false;
  document->SetDescription(Description(spec, dictionary));
  if (!spec.GetEditable()) document->setEditable(kLockedAgainstEditing);
  ApplyTemplates(document, spec);
  for (const std::string& file : settings.GetCsvFiles()) document->AddCSVFile(file);
  bool defaultTemplate = spec.GetDefaultTemplate();
  CompleteDataSets(document, settings.GetAggregatedDataSets(), dictionary, relabel, defaultTemplate);
  CompleteDataSets(document, settings.GetUnaggregatedDataSets(), dictionary, relabel, defaultTemplate);
  XGraph* graph = document->getExternalGraph();
  graph->UpdateCategoricalDomains();
  graph->copyVariableFormats();
  for (const std::string& text : spec.GetInlineTemplates()) document->AddImmediateTemplate(text);
  return true;
}
