// The GGRAPH command entry.

#include "driver/EngineWorkAreas.h"
#include "driver/ProcedureFlavor.h"
#include "driver/RfmHelpTable.h"

namespace {

std::string GGraphTitle() { return InvokedByRfmModule() ? "RFM Analysis" : "GGraph"; }

// The data sets and the chart loop arrive with the graph data sets.
void ProduceGGraphCharts(ProcedureRun&) {}

const ProcedureFlavor kGGraph{
    "GGraph", GGraphTitle, "GGRAPH", GGraphGrammar, false, nullptr, ProduceGGraphCharts, WriteRfmHelpTable,
};

}  // namespace

extern "C" void GGRAPH() { RunProcedure(kGGraph); }
