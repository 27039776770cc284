#pragma once
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "chartlib/render/ChartModel.h"
#include "chartlib/render/FieldLook.h"

struct DocumentState;

// The chart's rows as its Vega-Lite JSON carries them: one object per row of
// the source, keyed by column name, holding only the columns the chart
// draws. Labelled categories hold their value labels, dates milliseconds,
// and missing cells null.
struct InlineTable {
  nlohmann::json rows = nlohmann::json::array();
  std::map<std::string, FieldLook> looks;  // by DATA name
};

InlineTable BuildInlineTable(const ChartModel& model, const DocumentState& state);

// The first DATA column drawn by an element that its source in the chart's
// table lacks. A chart sent without a table is not checked.
std::optional<RenderWarning> FindMissingColumn(const ChartModel& model, const DocumentState& state);
