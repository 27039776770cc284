#pragma once
#include <ostream>

#include "JsonWriter.h"

class XGraph;

// "variables": [{"name", "source", "label", "shortLabel", "categorical",
// "creator", "weight", "statistic" (when set), "format" (null when none),
// "relabels", "engineVariable"}], one per chart variable of the graph.
void WriteVariables(JsonWriter& json, const XGraph& graph);

// For the listing: one line naming the variables.
void WriteVariableSummary(std::ostream& out, const XGraph& graph);
