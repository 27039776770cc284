#pragma once
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "chartlib/render/RenderWarning.h"

struct DocumentState;

struct CompiledChart {
  std::optional<nlohmann::json> spec;  // Vega-Lite v6, data inline; empty when the chart is not drawn
  std::vector<RenderWarning> warnings;  // one per undrawn chart
};

// Checks the chart's constructs only (no data): cheap, for every chart sent.
std::vector<RenderWarning> CheckDrawable(const DocumentState& state);

// The whole Vega-Lite chart with the chart's data table inline.
CompiledChart CompileVegaLite(const DocumentState& state);
