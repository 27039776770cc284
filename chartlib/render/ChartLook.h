#pragma once
#include <nlohmann/json.hpp>

#include "chartlib/render/ChartModel.h"

struct DocumentState;

// The chart options sent with the document, as the renderer applies them:
// colour cycle, frames, grid lines, the style sheet, fit lines and the
// gradient style of the immediate templates.
struct ChartLook {
  nlohmann::json config = nlohmann::json::object();  // the Vega-Lite config
  FitLineRequest fitLines;
  bool gradient = false;
  std::string firstColor;  // the first colour of the cycle, for gradient fills
};

ChartLook LookOfChart(const DocumentState& state);
