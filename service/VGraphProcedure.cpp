// The VGRAPH command entry: the GGRAPH frame with graph-service documents.

#include "BpObject.h"
#include "EngineServices.h"
#include "driver/ProcedureFlavor.h"
#include "service/VGraphGrammar.h"

namespace {

std::string VGraphTitle() { return "VGraph"; }

bool OnThinClient() {
  if (IsApplicationOnThinClient()) return true;
  BpError(BpString("The VGRAPH procedure is not supported on this version of VEXA Statistics.", true), 2, 3);
  return false;
}

// The graph-service documents arrive with chart completion.
bool ProduceServiceDocuments(ProcedureRun&) { return true; }

const ProcedureFlavor kVGraph{
    "VGraph", VGraphTitle, "VGRAPH", VGraphGrammar, true, OnThinClient, ProduceServiceDocuments, nullptr,
};

}  // namespace

extern "C" void VGRAPH() { RunProcedure(kVGraph); }
