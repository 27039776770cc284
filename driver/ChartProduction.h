#pragma once
#include <memory>

class GraphSpec;
class PreparedDataSets;
class XDocument;
struct ProcedureRun;

// Turns the source of one GRAPHSPEC into output. Gives the chart
// document that the chart loop completes, binds and sends (inline GPL, GPL and
// VizML files, visualization templates), or null: the source sent its own
// output (JSON charts, images, model files), wrote binning tables, or could
// not be used (reported). prepared is null when the command has no data set.
std::unique_ptr<XDocument> ProduceChart(ProcedureRun& run, GraphSpec& spec, PreparedDataSets* prepared);
