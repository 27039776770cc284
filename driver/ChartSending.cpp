#include "driver/ChartSending.h"

#include <algorithm>
#include <memory>
#include <string>

#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/VarDataProcessor.h"
#include "host/chart/XDocument.h"
#include "host/chart/XGraph.h"
#include "host/chart/XUtility.h"

namespace {

// Tells the document which engine data set the table's source was read from.
void SetDataHandle(XDocument& document, const VarDataProcessor& table, const GGraphDataSet& dataSet) {
  std::vector<std::string> sources = table.GetSourceNames();
  if (sources.empty()) return;
  ChartString source;
  ChartString handle;
  source.assignUTF8(sources.front());
  handle.assignUTF8(dataSet.GetDataSetHandle());
  document.SetDataHandle(source, handle);
}

// "<label> ; <name> = <category>; ..." for the current split group.
ChartString SplitDescription(const GraphSpec& spec, const ChartString& noted, const GGraphDataSet& dataSet) {
  const std::string& label = spec.GetOutputLabel();
  ChartString description = label.empty() ? noted : XUtility::ChartStringFromLocalCodePage(label);
  std::string groups = " ";
  const std::vector<std::string>& names = dataSet.getSplitNames();
  const std::vector<std::string>& categories = dataSet.getSplitCategories();
  for (std::size_t i = 0; i < std::min(names.size(), categories.size()); ++i)
    groups += "; " + names[i] + " = " + categories[i];
  return description.append(XUtility::ChartStringFromLocalCodePage(groups));
}

// "<label>: <category>, ..." for the current split group.
ChartString SplitSubtitle(const GGraphDataSet& dataSet) {
  std::string subtitle;
  const std::vector<std::string>& labels = dataSet.getSplitLabels();
  const std::vector<std::string>& categories = dataSet.getSplitCategories();
  for (std::size_t i = 0; i < std::min(labels.size(), categories.size()); ++i) {
    if (i > 0) subtitle += ", ";
    subtitle += labels[i] + ": " + categories[i];
  }
  return XUtility::ChartStringFromLocalCodePage(subtitle);
}

// A template chart keeps its own subtitle; a VizML chart always shows the group.
bool SubtitlesSplitGroups(const GraphSpec& spec, const XGraph& graph) {
  SourceKind kind = spec.GetSourceKind();
  return (!graph.doesSubTitleExist() && kind != VIZTEMPLATE) || kind == VIZMLFILE;
}

}  // namespace

void SendSplitCharts(XDocument& document, const GraphSpec& spec, GGraphDataSet& dataSet) {
  XGraph* graph = document.getGraph();
  bool subtitled = SubtitlesSplitGroups(spec, *graph);
  ChartString noted = document.GetDescription();
  dataSet.ResetDataCursor();
  bool later = false;
  while (VarDataProcessor* table = dataSet.getData()) {
    document.SetChartData(table);
    document.SetCaseCounts(dataSet.getCaseCounts());
    SetDataHandle(document, *table, dataSet);
    document.SetDescription(SplitDescription(spec, noted, dataSet));
    if (subtitled) graph->setSubTitle(SplitSubtitle(dataSet));
    document.Send({.later = later});
    later = true;
  }
}

// Several tables are merged into a new one, so that the data sets' own tables
// stay as they were read for the charts that follow.
void SendMergedChart(XDocument& document, const std::vector<GGraphDataSet*>& dataSets) {
  std::vector<VarDataProcessor*> tables;
  ChartCaseCounts counts;
  for (GGraphDataSet* dataSet : dataSets) {
    dataSet->ResetDataCursor();
    VarDataProcessor* table = dataSet->getData();
    if (!table) continue;
    SetDataHandle(document, *table, *dataSet);
    counts += dataSet->getCaseCounts();
    tables.push_back(table);
  }
  document.SetCaseCounts(counts);
  std::unique_ptr<VarDataProcessor> merged;
  VarDataProcessor* chartTable = tables.empty() ? nullptr : tables.front();
  if (tables.size() > 1) {
    merged = std::make_unique<VarDataProcessor>();
    for (VarDataProcessor* table : tables) merged->AddVDP(table);
    chartTable = merged.get();
  }
  document.SetChartData(chartTable);
  document.Send();
  document.SetChartData(nullptr);
}
