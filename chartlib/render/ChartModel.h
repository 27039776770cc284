#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chartlib/render/RenderWarning.h"

struct ElementKind;
struct AestheticKind;
struct SummaryKind;

// A chart as the compiler understands it, read from GPL or from the XML
// chart form: what is drawn, from which columns, with which guides. Fields
// are named by the chart's DATA names; `columns` says which column of which
// source each name reads.

struct ColumnRef {
  std::string column;
  std::string source;
  bool categorical = false;
  int line = 0;
  int col = 0;
};

// One position dimension: a field, a field nested in an outer one (a/b), or
// two fields blended into a range (lo+hi).
struct PositionDim {
  std::string field;
  std::string nestedIn;
  std::string rangeHigh;  // set for a range: field is the low end
};

// A field or a constant given to an aesthetic: color(x), color(color.red).
struct AestheticUse {
  const AestheticKind* kind = nullptr;
  std::string field;
  std::string constant;  // the constant's name ("red", "ibeam", "5px")
};

struct ElementModel {
  const ElementKind* kind = nullptr;
  std::string arrangement;  // "stack", "dodge" or empty
  std::vector<PositionDim> dims;
  const SummaryKind* summary = nullptr;
  bool bin = false;
  std::optional<double> binCount;
  std::optional<double> binWidth;
  std::string smooth;  // "linear", "loess" or empty
  bool density = false;
  bool boxPlot = false;
  bool mirrored = false;  // a violin: the density drawn on both sides
  std::vector<AestheticUse> aesthetics;
};

struct AxisGuide {
  std::optional<std::string> title;
  bool hidden = false;
};

struct LegendGuide {
  std::optional<std::string> title;
  bool hidden = false;
};

struct ScaleModel {
  std::string type;  // "linear", "log", "cat"
  std::optional<double> min;
  std::optional<double> max;
  std::vector<std::string> include;  // texts as written; for cat the order
  bool reverse = false;
  bool fitData = false;  // dataMinimum(), dataMaximum(): the domain is the data's extent
};

struct FitLineRequest {
  bool total = false;
  bool subgroup = false;
};

struct ChartModel {
  std::map<std::string, ColumnRef> columns;  // DATA name -> column
  std::vector<ElementModel> elements;
  std::map<int, AxisGuide> axes;               // by dimension, from 1
  std::map<std::string, LegendGuide> legends;  // by aesthetic name ("color", "shape", ...)
  std::map<int, ScaleModel> scales;            // by dimension
  std::map<std::string, ScaleModel> aestheticScales;  // cat scales of aesthetics, by name
  std::optional<std::string> title;
  std::optional<std::string> subtitle;
  std::optional<std::string> footnote;
  bool transpose = false;
  bool polar = false;
  double startAngle = 0;  // degrees, clockwise from the top
  std::optional<int> clusterDim;  // from 1: the dimension whose categories form the clusters
};

// What reading a chart gave: the model, or the first reason it is not drawn.
struct ReadChart {
  ChartModel model;
  std::optional<RenderWarning> fault;
};
