#pragma once
#include <memory>

#include "driver/PreparedDataSets.h"

class RelabelString;
struct ProcedureRun;

// Reads the cases of every graph data set of the command once, aggregated data
// sets first. Null when the command has no data set. Sets noValidCases (after
// reporting it) when no data set yielded a case.
std::unique_ptr<PreparedDataSets> ReadGraphData(ProcedureRun& run, RelabelString& relabel, bool& noValidCases);
