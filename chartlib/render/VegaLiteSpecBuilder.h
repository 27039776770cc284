#pragma once
#include <nlohmann/json.hpp>

#include "chartlib/render/ChartModel.h"

struct DocumentState;

// The Vega-Lite v6 JSON of a chart model, with the chart's rows
// inline: title and subtitle, facets, one layer per element (and per label
// or fit line), the chart options as config.
nlohmann::json BuildVegaLiteSpec(const ChartModel& model, const DocumentState& state);
