// A binning request: no chart, one table of bins per variable.

#include "data/GGraphDataSet.h"
#include "driver/BinningTable.h"
#include "driver/ChartSource.h"
#include "driver/PreparedDataSets.h"
#include "driver/ProcedureRun.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"
#include "model/GGraphVariable.h"

std::unique_ptr<XDocument> WriteBinningTables(const ChartSource& source) {
  if (!source.prepared) return nullptr;
  for (GGraphDataSet* dataSet : source.prepared->DataSets()) {
    for (const auto& variable : dataSet->GetVariables())
      WriteBinningTable(source.run.procedure, source.run.dataSource, *variable, source.spec.GetBinCount());
  }
  return nullptr;
}
