#pragma once
#include <string>

#include "syntax/CommandGrammar.h"

struct ProcedureRun;

// What distinguishes the GGRAPH procedure from the VGRAPH procedure; the frame
// around them is shared.
struct ProcedureFlavor {
  const char* name;         // in the debug lines: "Starting <name> Procedure"
  std::string (*title)();   // the procedure's output title
  const char* stringTable;  // the string table's procedure
  CommandGrammar (*grammar)();
  bool validateBeforeDataCheck;  // VGRAPH validates before it tests the data source
  // A gate after parsing; false ends the procedure (its message is issued).
  bool (*mayRun)();
  // The charts, after the data sets were read. False ends the procedure at
  // once: no further output and no closing debug line.
  bool (*produceCharts)(ProcedureRun& run);
  // Output after the chart loop (such as the RFM help table); may be null.
  void (*afterCharts)(ProcedureRun& run);
};

// Runs one procedure of the flavor from its first to its last step.
void RunProcedure(const ProcedureFlavor& flavor);
