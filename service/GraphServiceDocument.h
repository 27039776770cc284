#pragma once

class GraphSpec;
class PreparedDataSets;
class RelabelString;
struct ProcedureRun;

// Makes the graph-service document of one inline spec and sends it once per
// split group of the last prepared data set. prepared is null when the
// command has no data set; the document is then not sent.
void SendGraphServiceDocument(ProcedureRun& run, GraphSpec& spec, PreparedDataSets* prepared, RelabelString& relabel);
