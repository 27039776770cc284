#pragma once
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct DocumentState;

// A construct that is not drawn, or a fault of the GPL found while compiling.
struct RenderWarning {
  std::string text;  // names the construct and its line and column in the GPL
  int line = 0;      // 0 when the fault has no place in the text
  int column = 0;
};

struct CompiledChart {
  std::optional<nlohmann::json> spec;  // Vega-Lite v6, data inline; empty when the chart is not drawn
  std::vector<RenderWarning> warnings;  // one per undrawn chart
};

// Checks the chart's constructs only (no data): cheap, for every chart sent.
std::vector<RenderWarning> CheckDrawable(const DocumentState& state);

// The whole specification with the chart's data table inline.
CompiledChart CompileVegaLite(const DocumentState& state);
