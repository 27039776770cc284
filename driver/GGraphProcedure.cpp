// The GGRAPH command entry.

#include "driver/ChartLoop.h"
#include "driver/GraphDataReading.h"
#include "driver/ProcedureFlavor.h"
#include "driver/RfmHelpTable.h"
#include "model/RelabelString.h"
#include "report/EngineWorkAreas.h"

namespace {

std::string GGraphTitle() { return InvokedByRfmModule() ? "RFM Analysis" : "GGraph"; }

// Reads every graph data set once, then makes the charts over them. Without
// valid cases the procedure ends at once.
bool ProduceGGraphCharts(ProcedureRun& run) {
  RelabelString relabel;
  bool noValidCases = false;
  std::unique_ptr<PreparedDataSets> prepared = ReadGraphData(run, relabel, noValidCases);
  if (noValidCases) return false;
  RunChartLoop(run, prepared.get(), relabel);
  return true;
}

const ProcedureFlavor kGGraph{
    "GGraph", GGraphTitle, "GGRAPH", GGraphGrammar, false, nullptr, ProduceGGraphCharts, WriteRfmHelpTable,
};

}  // namespace

extern "C" void GGRAPH() { RunProcedure(kGGraph); }
