#include "driver/GraphDataReading.h"

#include "data/GGraphDataSet.h"
#include "driver/ProcedureRun.h"
#include "model/GGraphSettings.h"

// The data sets in their reading order; the cases themselves are not read yet.
std::unique_ptr<PreparedDataSets> ReadGraphData(ProcedureRun& run, RelabelString&, bool& noValidCases) {
  noValidCases = false;
  if (run.settings.GetDataSetCount() < 1) return nullptr;
  auto prepared = std::make_unique<PreparedDataSets>(&run.dataSource, &run.settings);
  for (const auto& dataSet : run.settings.GetAggregatedDataSets()) prepared->Append(dataSet.get());
  for (const auto& dataSet : run.settings.GetUnaggregatedDataSets()) prepared->Append(dataSet.get());
  return prepared;
}
