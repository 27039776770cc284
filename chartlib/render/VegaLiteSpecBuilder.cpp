#include "chartlib/render/VegaLiteSpecBuilder.h"

#include "XGraph.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/render/ChartLook.h"
#include "chartlib/render/ElementLayers.h"
#include "chartlib/render/InlineTable.h"
#include "chartlib/render/RenderCatalogue.h"

namespace {

using json = nlohmann::json;

constexpr const char* kSchema = "https://vega.github.io/schema/vega-lite/v6.json";

// Facets come from nesting (a/b: b in columns for x, in rows for y) and from
// a third dimension that does not form clusters; the first element that
// names them decides.
void ChooseFacets(const ChartModel& model, LayerContext& context) {
  for (const ElementModel& element : model.elements) {
    const std::vector<PositionDim>& dims = element.dims;
    if (element.mirrored && dims.size() == 2 && context.facetColumn.empty()) context.facetColumn = dims[0].field;
    if (dims.size() > 0 && !dims[0].nestedIn.empty() && context.facetColumn.empty())
      context.facetColumn = dims[0].nestedIn;
    if (dims.size() > 1 && !dims[1].nestedIn.empty() && context.facetRow.empty()) context.facetRow = dims[1].nestedIn;
    if (dims.size() == 3 && !model.clusterDim) {
      std::string& free = context.facetColumn.empty() ? context.facetColumn : context.facetRow;
      if (free.empty()) free = dims[2].field;
    }
  }
}

json Title(const ChartModel& model, const DocumentState& state) {
  std::string text = model.title.value_or(state.description);
  std::string subtitle = state.graph && state.graph->doesSubTitleExist() ? state.graph->getSubTitle().toUTF8()
                                                                          : model.subtitle.value_or("");
  json title = json::object();
  if (!text.empty()) title["text"] = text;
  if (!subtitle.empty()) title["subtitle"] = subtitle;
  if (!title.empty() && !title.contains("text")) title["text"] = "";
  return title;
}

void ApplyGradient(const ChartLook& look, json& layers) {
  for (json& layer : layers) {
    const json& encoding = layer["encoding"];
    std::string type = layer["mark"]["type"];
    if (encoding.contains("color") || (type != "point" && type != "bar" && type != "area" && type != "arc")) continue;
    layer["mark"]["color"] = {{"gradient", type == "point" ? "radial" : "linear"},
                              {"stops", {{{"offset", 0}, {"color", "white"}}, {{"offset", 1}, {"color", look.firstColor}}}}};
    if (type == "point") layer["mark"]["filled"] = true;
  }
}

// Points and lines are drawn over the data's extent, as bars and areas are
// from zero; a chart that mixes them keeps zero, so its layers share one scale.
void FitScalesToData(json& layers) {
  for (const json& layer : layers) {
    std::string type = layer["mark"]["type"];
    if (type != "point" && type != "line" && type != "text") return;
  }
  for (json& layer : layers) {
    for (const char* channel : {"x", "y"}) {
      json& encoding = layer["encoding"];
      if (!encoding.contains(channel) || encoding[channel].value("type", "") != "quantitative") continue;
      json& scale = encoding[channel]["scale"];
      if (!scale.contains("zero") && !scale.contains("domain") && !scale.contains("type")) scale["zero"] = false;
    }
  }
}

bool IsRange(const json& layer) {
  std::string type = layer["mark"]["type"];
  return type == "errorbar" || (type == "rule" && (layer["encoding"].contains("y2") || layer["encoding"].contains("x2")));
}

// A range drawn over bars or points is titled by what it ranges over, not by
// its low end's label.
void ShareRangeTitles(json& layers) {
  for (const char* channel : {"x", "y"}) {
    const json* title = nullptr;
    for (const json& layer : layers)
      if (!IsRange(layer) && layer["encoding"].contains(channel) && layer["encoding"][channel].contains("title")) {
        title = &layer["encoding"][channel]["title"];
        break;
      }
    if (!title) continue;
    json shared = *title;
    for (json& layer : layers)
      if (IsRange(layer) && layer["encoding"].contains(channel)) layer["encoding"][channel]["title"] = shared;
  }
}

}  // namespace

json BuildVegaLiteSpec(const ChartModel& model, const DocumentState& state) {
  InlineTable table = BuildInlineTable(model, state);
  LayerContext context{.model = model, .table = table, .facetColumn = {}, .facetRow = {}};
  ChooseFacets(model, context);
  ChartLook look = LookOfChart(state);

  json layers = json::array();
  for (const ElementModel& element : model.elements) AddElementLayers(context, element, layers);
  for (const ElementModel& element : model.elements) {
    if (element.kind->mark != std::string("point")) continue;
    if (look.fitLines.total) AddFitLineLayer(context, element, false, layers);
    if (look.fitLines.subgroup) AddFitLineLayer(context, element, true, layers);
    break;
  }
  if (look.gradient) ApplyGradient(look, layers);
  FitScalesToData(layers);
  ShareRangeTitles(layers);

  json view = json::object();
  if (!context.facetColumn.empty() || !context.facetRow.empty()) {
    json facet = json::object();
    if (!context.facetColumn.empty()) facet["column"] = FacetEncoding(context, context.facetColumn);
    if (!context.facetRow.empty()) facet["row"] = FacetEncoding(context, context.facetRow);
    view["facet"] = facet;
    view["spec"] = {{"layer", layers}};
  } else {
    view["layer"] = layers;
  }

  json spec = {{"$schema", kSchema}};
  json title = Title(model, state);
  if (!title.empty()) spec["title"] = title;
  spec["data"] = {{"values", std::move(table.rows)}};
  if (model.footnote) {
    view["title"] = {{"text", *model.footnote}, {"orient", "bottom"}, {"anchor", "start"},
                     {"fontSize", 10}, {"fontWeight", "normal"}};
    spec["vconcat"] = {view};
  } else {
    spec.update(view);
  }
  spec["config"] = look.config;
  return spec;
}
