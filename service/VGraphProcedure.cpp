// The graph-service command. Its procedure comes with the graph-service
// documents; until then it announces itself and closes its output.

#include "BpProcedure.h"
#include "ChartBase.h"
#include "VEXA_TokenSequence.h"

extern "C" void VGRAPH() {
  ChartBase::printDebugInfo("Starting VGraph Procedure");
  {
    BpProcedure procedure("VGraph", 2);
    VEXA_TokenSequence tokens(true);
    while (tokens.Next()) {
    }
  }
  ChartBase::printDebugInfo("Ending VGraph Procedure");
}
