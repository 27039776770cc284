#include "service/GraphServiceDocument.h"

#include <string>
#include <vector>

#include "data/GGraphDataSet.h"
#include "driver/CompleteChart.h"
#include "driver/PreparedDataSets.h"
#include "driver/ProcedureRun.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/ChartString.h"
#include "host/chart/VarDataProcessor.h"
#include "host/chart/XGraphService.h"
#include "host/chart/XUtility.h"
#include "host/engine/FacSTDictionary.h"
#include "report/SyntaxMessages.h"
#include "service/ServiceVariables.h"

namespace {

ChartString FromUtf8(const std::string& text) {
  ChartString converted;
  converted.assignUTF8(text);
  return converted;
}

// One document per split group, each with that group's table.
void SendPerSplitGroup(XGraphService& service, GGraphDataSet& dataSet) {
  int lastSingleIndex = kNoSingleIndex;
  dataSet.ResetDataCursor();
  while (VarDataProcessor* table = dataSet.getData()) {
    const std::vector<std::string> sources = table->GetSourceNames();
    const std::string source = sources.empty() ? std::string() : sources.front();
    if (!sources.empty()) service.SetDataHandle(FromUtf8(source), FromUtf8(dataSet.GetDataSetHandle()));
    service.SetChartData(table);
    service.createDocument(source);
    AddServiceVariables(service, dataSet, lastSingleIndex);
    service.sendChartOptions();
  }
}

}  // namespace

void SendGraphServiceDocument(ProcedureRun& run, GraphSpec& spec, PreparedDataSets* prepared, RelabelString& relabel) {
  XGraphService service;
  service.setChartOptions(spec.GetServiceText());
  service.SetDescription(XUtility::ChartStringFromOLANG(run.dictionary.LookUp("Graph")));
  if (!service.implementationExists()) return;
  CompleteChart().Complete(&service, run.settings, spec, &run.dictionary, relabel);
  if (!prepared || prepared->DataSets().empty()) {
    ReportText("At least one dataset should be available for graph service.", kLevelError);
    return;
  }
  SendPerSplitGroup(service, *prepared->DataSets().back());
}
