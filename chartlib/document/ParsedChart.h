#pragma once
#include <string>
#include <string_view>

#include "XGraph.h"

// What the library read from a chart document's text.
struct ParsedChart {
  std::string error;  // why there is no chart; empty when there is one
  XGraph::Declarations declarations;

  bool HasChart() const { return error.empty(); }
};

// GPL: user sources are the ids of userSource(id("...")) sources; chart
// variables are the DATA declarations that read a column (col(...) with
// name("...")); the subtitle is the text of GUIDE: text.subtitle(...). A
// chart needs at least one ELEMENT statement.
ParsedChart ReadGplChart(std::string_view gpl);

// The XML chart form (docs/chart-xml.md).
ParsedChart ReadXmlChart(std::string_view xml);
