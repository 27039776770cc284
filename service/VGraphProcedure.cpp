// The VGRAPH command entry: the GGRAPH frame with graph-service documents.

#include "command/GGraphSettings.h"
#include "driver/GraphDataReading.h"
#include "driver/ProcedureFlavor.h"
#include "driver/ProcedureRun.h"
#include "graphspec/GraphSpec.h"
#include "host/engine/EngineServices.h"
#include "model/RelabelString.h"
#include "report/Messages.h"
#include "service/GraphServiceDocument.h"
#include "service/VGraphGrammar.h"

namespace {

std::string VGraphTitle() { return "VGraph"; }

bool OnThinClient() {
  if (IsApplicationOnThinClient()) return true;
  ReportText("The VGRAPH procedure is not supported on this version of VEXA Statistics.", kLevelError);
  return false;
}

// Reads every graph data set once, then sends the documents of the inline
// specs in command order. Without valid cases the procedure ends at once.
bool ProduceServiceDocuments(ProcedureRun& run) {
  RelabelString relabel;
  bool noValidCases = false;
  std::unique_ptr<PreparedDataSets> prepared = ReadGraphData(run, relabel, noValidCases);
  if (noValidCases) return false;
  for (GraphSpec* spec : run.settings.GetGraphSpecs()) {
    if (spec->GetSourceKind() == INLINE) SendGraphServiceDocument(run, *spec, prepared.get(), relabel);
  }
  return true;
}

const ProcedureFlavor kVGraph{
    "VGraph", VGraphTitle, "VGRAPH", VGraphGrammar, true, OnThinClient, ProduceServiceDocuments, nullptr,
};

}  // namespace

extern "C" void VGRAPH() { RunProcedure(kVGraph); }
