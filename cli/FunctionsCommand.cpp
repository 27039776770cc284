#include "cli/FunctionsCommand.h"

#include <iostream>

// Generated at build time from the module's catalogue (tools/ReferenceTables.cpp),
// since the front end does not link the module.
#include "SummaryFunctionTable.inc"

int ListSummaryFunctions() {
  std::cout << "Summary functions of GRAPHDATASET VARIABLES (docs/reference/functions.md tells more):\n\n"
            << kSummaryFunctionTable;
  return 0;
}
