#pragma once
#include <optional>
#include <string>
#include <vector>

struct DocumentState;

// What the drawing adds to a chart as it is sent.
struct SentChartDrawing {
  std::optional<std::string> vegaLite;  // the Vega-Lite JSON, when drawn and wanted
  std::vector<std::string> warnings;    // message texts: why the chart is not drawn
};

// Charts ("gpl", "vizml") are checked at every send, which is cheap; the
// whole Vega-Lite chart with its data inline is built only when an output
// wants it (wantSpec). A thumbnail has no data to draw: it is checked only.
SentChartDrawing DrawingOfSentChart(const DocumentState& state, bool thumbnail, bool wantSpec);
