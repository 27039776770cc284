#pragma once
#include <nlohmann/json.hpp>

#include "chartlib/render/ChartModel.h"
#include "chartlib/render/InlineTable.h"

// What the layers of one chart share: the model, the looks of its fields
// and how the frame is laid out.
struct LayerContext {
  const ChartModel& model;
  const InlineTable& table;
  std::string facetColumn;  // DATA names, empty when not faceted
  std::string facetRow;
};

// The Vega-Lite layers that draw one element (the element, and a text layer
// for its labels), appended to layers.
void AddElementLayers(const LayerContext& context, const ElementModel& element, nlohmann::json& layers);

// A regression layer over the element's x and y, per colour group when
// bySubgroup.
void AddFitLineLayer(const LayerContext& context, const ElementModel& element, bool bySubgroup,
                     nlohmann::json& layers);

// The encoding of a faceting field (column or row).
nlohmann::json FacetEncoding(const LayerContext& context, const std::string& field);
