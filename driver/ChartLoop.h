#pragma once

class PreparedDataSets;
class RelabelString;
struct ProcedureRun;

// Produces, completes, binds and sends the chart of every GRAPHSPEC
// in command order. prepared is null when the command has no data set.
void RunChartLoop(ProcedureRun& run, PreparedDataSets* prepared, RelabelString& relabel);
