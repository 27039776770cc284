#pragma once
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ChartCaseCounts.h"
#include "XDocument.h"
#include "XGraph.h"

class VarDataProcessor;

// A name with the text that goes with it (a style sheet, a map, a file).
struct NamedContent {
  std::string name;
  std::string content;
};

// A JSON chart: the chart file, or a template with GeoJSON files. The texts
// are valid JSON or empty.
struct JsonChartContent {
  std::string chartFile;
  std::string chart;
  std::string chartTemplate;
  std::vector<NamedContent> geoJson;
};

struct ImageContent {
  int subtype = 0;
  std::string format;  // "png", "jpeg", "bmp"; empty without an image
  std::string bytes;
};

struct ServiceContent {
  std::string options;
  std::string source;
  std::vector<std::pair<std::string, int>> variables;  // name, index
};

// Everything an XDocument holds. The kind says which writer sends it:
// "gpl" and "vizml" (charts), "jsonChart", "image", "graphService".
struct DocumentState {
  std::string kind;
  std::string text;  // the GPL or XML text
  std::string parseError;
  std::unique_ptr<XGraph> graph;
  VarDataProcessor* data = nullptr;
  std::optional<ChartCaseCounts> caseCounts;  // none: the chart reads no cases
  std::vector<std::pair<std::string, std::string>> dataHandles;  // source, data set
  std::optional<NamedContent> styleSheet;
  std::optional<NamedContent> dataMap;
  std::optional<NamedContent> referenceMap;
  int editor = 0;
  int editLock = 0;
  std::string description;
  std::string name;
  std::string comment;
  std::vector<std::string> templates;
  std::vector<std::string> immediateTemplates;
  std::vector<std::string> csvFiles;
  std::vector<XDocument::ColorSpec> colors;
  int outerFrame = 0;
  int innerFrame = 0;
  int xAxisGridlines = 0;
  int yAxisGridlines = 0;
  bool doNotModify = false;
  JsonChartContent jsonChart;
  ImageContent image;
  ServiceContent service;
  // Why the chart was not drawn when last sent, so that further split
  // groups do not say it again.
  std::vector<std::string> drawingWarnings;
};
