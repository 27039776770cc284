#include "driver/GraphDataReading.h"

#include <memory>

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "driver/ProcedureRun.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "report/Messages.h"

namespace {

// True when the data set yielded cells. The iterator lives for the reading
// only; the aggregation is emptied before it goes.
bool ReadAggregated(GGraphDataSet& dataSet) {
  VEXA_DataSource* source = dataSet.GetDataSource();
  if (!source) return false;
  std::unique_ptr<VEXA_InputCaseIterator> cases(source->CreateCaseIterator(0));
  if (!cases || !dataSet.BuildAggregation(cases.get(), false)) return false;
  return dataSet.PopulateAggregatedData(cases.get()) != 0;
}

bool ReadUnaggregated(GGraphDataSet& dataSet, RelabelString& relabel) {
  if (dataSet.IsCsvSource()) return true;
  return dataSet.populateUnAggregatedData(relabel) != 0;
}

}  // namespace

std::unique_ptr<PreparedDataSets> ReadGraphData(ProcedureRun& run, RelabelString& relabel, bool& noValidCases) {
  noValidCases = false;
  if (run.settings.GetDataSetCount() < 1) return nullptr;
  auto prepared = std::make_unique<PreparedDataSets>(&run.dataSource, &run.settings);
  bool foundCases = false;
  for (const auto& dataSet : run.settings.GetAggregatedDataSets()) {
    if (ReadAggregated(*dataSet)) foundCases = true;
    prepared->Append(dataSet.get());
  }
  for (const auto& dataSet : run.settings.GetUnaggregatedDataSets()) {
    if (ReadUnaggregated(*dataSet, relabel)) foundCases = true;
    prepared->Append(dataSet.get());
  }
  if (foundCases) return prepared;
  ReportText("There are no valid cases...", kLevelWarning);
  noValidCases = true;
  return nullptr;
}
