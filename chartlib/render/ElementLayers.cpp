#include "chartlib/render/ElementLayers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include <fmt/format.h>

#include "chartlib/render/RenderCatalogue.h"
#include "chartlib/text/ShortestDouble.h"

namespace {

using json = nlohmann::json;

constexpr const char* kCount = "__count";
constexpr const char* kValue = "__value";
constexpr const char* kRow = "__row";

const FieldLook& Look(const LayerContext& context, const std::string& field) { return context.table.looks.at(field); }

std::string FieldTitle(const std::string& pattern, const std::string& title) {
  std::string text = pattern;
  std::size_t at = text.find("^1");
  if (at != std::string::npos) text.replace(at, 2, title);
  return text;
}

// The categories a nominal field is drawn in: the order given by SCALE
// cat(include(...)) first, then the data's order.
// A category as SCALE: cat(include(...)) writes it.
std::string CategoryText(const json& value) {
  return value.is_string() ? value.get<std::string>() : ShortestDoubleText(value.get<double>(), 16);
}

json CategoryOrder(const FieldLook& look, const ScaleModel* scale) {
  if (!scale || scale->include.empty()) return look.categories;
  json order = json::array();
  // include names values ("2") or, for labelled values, their labels
  for (const std::string& text : scale->include) {
    auto byValue = look.shownByValue.find(text);
    auto byShown = std::find_if(look.categories.begin(), look.categories.end(),
                                [&](const json& value) { return CategoryText(value) == text; });
    json shown = byValue != look.shownByValue.end() ? byValue->second
                 : byShown != look.categories.end() ? *byShown
                                                    : json(text);
    if (std::find(order.begin(), order.end(), shown) == order.end()) order.push_back(shown);
  }
  for (const json& value : look.categories)
    if (std::find(order.begin(), order.end(), value) == order.end()) order.push_back(value);
  return order;
}

// A pie's angle always spans the whole of its sum: SCALE settings of its
// dimension do not apply.
const ScaleModel* ScaleOf(const LayerContext& context, int dim) {
  if (context.model.polar) return nullptr;
  auto found = context.model.scales.find(dim);
  return found == context.model.scales.end() ? nullptr : &found->second;
}

void ApplyScale(json& encoding, const ScaleModel& scale, bool categorical) {
  json& out = encoding["scale"];
  if (scale.type == "log") out["type"] = "log";
  if (scale.min) {
    out["domainMin"] = *scale.min;
    if (scale.type != "log") out["zero"] = false;
  }
  if (scale.max) out["domainMax"] = *scale.max;
  if (scale.reverse) out["reverse"] = true;
  if (scale.fitData && !scale.min) out["zero"] = false;
  if (!categorical && !scale.include.empty()) {
    json values = json::array();
    for (const std::string& value : scale.include) values.push_back(std::atof(value.c_str()));
    out["domain"] = {{"unionWith", values}};
  }
  if (out.empty()) encoding.erase("scale");
}

// binCount(n) asks for n bins: over the data's extent, without the nicer
// steps that Vega-Lite's maxbins would choose.
json BinOf(const ElementModel& element, const FieldLook& look) {
  json bin = json::object();
  if (element.binWidth) {
    bin["step"] = *element.binWidth;
  } else if (element.binCount && *element.binCount >= 1 && look.min && look.max && *look.max > *look.min) {
    bin["extent"] = {*look.min, *look.max};
    bin["step"] = (*look.max - *look.min) / std::floor(*element.binCount);
    bin["nice"] = false;
  } else if (element.binCount) {
    bin["maxbins"] = *element.binCount;
  }
  return bin;
}

// A field on a position channel, titled and formatted for the axis of dim.
json PositionField(const LayerContext& context, const std::string& field, int dim) {
  const FieldLook& look = Look(context, field);
  const ScaleModel* scale = ScaleOf(context, dim);
  json encoding = {{"field", look.fieldRef}, {"title", look.title}};
  if (look.categorical) {
    encoding["type"] = "nominal";
    encoding["sort"] = CategoryOrder(look, scale);
  } else {
    encoding["type"] = look.temporal ? "temporal" : "quantitative";
  }
  look.AddNumberFormat(encoding, "axis");
  if (scale) ApplyScale(encoding, *scale, look.categorical);
  return encoding;
}

// GUIDE: axis(dim(n), ...) on whatever channel shows dimension n.
void ApplyAxisGuide(const LayerContext& context, json& encoding, int dim) {
  auto found = context.model.axes.find(dim);
  if (found == context.model.axes.end()) return;
  if (found->second.title) encoding["title"] = *found->second.title;
  // a pie has no axes to hide
  if (found->second.hidden && !context.model.polar) encoding["axis"] = nullptr;
}

struct Channels {
  const char* x;
  const char* y;
};

Channels ChannelsOf(const LayerContext& context) {
  if (context.model.polar) return {"color", "theta"};
  return context.model.transpose ? Channels{"y", "x"} : Channels{"x", "y"};
}

std::string SecondChannel(const std::string& channel) { return channel == "theta" ? "theta2" : channel + "2"; }

const AestheticUse* ColorField(const ElementModel& element) {
  for (const AestheticUse& use : element.aesthetics)
    if (!use.field.empty() && std::string(use.kind->channel) == "color") return &use;
  return nullptr;
}

// Constants such as color(color.red), size(size."8px"), transparency(...).
void ApplyConstant(const AestheticUse& use, json& mark) {
  std::string channel = use.kind->channel;
  if (channel == "color") {
    // color."ff0000" names its colour in hex
    bool hex = use.constant.size() == 6 && use.constant.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    mark["color"] = hex ? "#" + use.constant : use.constant;
  } else if (channel == "stroke") {
    mark["stroke"] = use.constant;
  } else if (channel == "size") {
    double size = std::atof(use.constant.c_str());
    // a point's size is its area
    if (size > 0) mark["size"] = mark["type"] == "point" ? size * size : size;
  } else if (channel == "opacity") {
    mark["opacity"] = 1 - std::atof(use.constant.c_str());
  } else if (channel == "shape" && use.constant != "ibeam" && mark["type"] == "point") {
    mark["shape"] = use.constant;
  }
}

json AestheticEncoding(const LayerContext& context, const AestheticUse& use) {
  const FieldLook& look = Look(context, use.field);
  json encoding = {{"field", look.fieldRef}, {"title", look.title}};
  if (look.categorical) {
    encoding["type"] = "nominal";
    auto scale = context.model.aestheticScales.find(use.kind->legend);
    if (scale == context.model.aestheticScales.end()) scale = context.model.aestheticScales.find(use.kind->gpl);
    bool ordered = scale != context.model.aestheticScales.end();
    encoding["scale"] = {{"domain", CategoryOrder(look, ordered ? &scale->second : nullptr)}};
  } else {
    encoding["type"] = "quantitative";
  }
  auto legend = context.model.legends.find(use.kind->legend);
  if (legend == context.model.legends.end()) legend = context.model.legends.find(use.kind->gpl);
  look.AddNumberFormat(encoding, "legend");
  if (legend != context.model.legends.end()) {
    if (legend->second.title) encoding["title"] = *legend->second.title;
    if (legend->second.hidden) encoding["legend"] = nullptr;
  }
  return encoding;
}

bool HasIbeam(const ElementModel& element) {
  for (const AestheticUse& use : element.aesthetics)
    if (use.field.empty() && std::string(use.kind->channel) == "shape" && use.constant == "ibeam") return true;
  return false;
}

// The fields the element's marks are grouped by besides x: its aesthetics
// and the facets.
json GroupFields(const LayerContext& context, const ElementModel& element, std::size_t dims) {
  json fields = json::array();
  for (std::size_t i = 0; i < dims; ++i) fields.push_back(Look(context, element.dims[i].field).key);
  for (const AestheticUse& use : element.aesthetics)
    if (!use.field.empty()) fields.push_back(Look(context, use.field).key);
  for (const std::string& facet : {context.facetColumn, context.facetRow})
    if (!facet.empty()) fields.push_back(Look(context, facet).key);
  return fields;
}

// Summaries that Vega-Lite's aggregate has no op for, as transforms that
// leave one row per group with the result in __value.
void AddBuiltSummary(const LayerContext& context, const ElementModel& element, const std::string& op,
                     const std::string& key, json& transforms) {
  json groups = GroupFields(context, element, element.dims.size() - (element.summary->readsField ? 1 : 0));
  std::string value = nlohmann::json(key).dump();
  if (op == "mode") {
    json withValue = groups;
    withValue.push_back(key);
    transforms.push_back({{"aggregate", {{{"op", "count"}, {"as", kCount}}}}, {"groupby", withValue}});
    transforms.push_back({{"window", {{{"op", "row_number"}, {"as", kRow}}}},
                          {"sort", {{{"field", kCount}, {"order", "descending"}}}},
                          {"groupby", groups}});
    transforms.push_back({{"filter", fmt::format("datum.{} == 1", kRow)}});
    transforms.push_back({{"calculate", fmt::format("datum[{}]", value)}, {"as", kValue}});
  } else if (op == "countTrue") {
    transforms.push_back({{"calculate", fmt::format("datum[{}] ? 1 : 0", value)}, {"as", kValue}});
    transforms.push_back({{"aggregate", {{{"op", "sum"}, {"field", kValue}, {"as", kValue}}}}, {"groupby", groups}});
  } else if (op == "percent") {
    transforms.push_back({{"joinaggregate", {{{"op", "sum"}, {"field", key}, {"as", "__total"}}}}});
    transforms.push_back({{"calculate", fmt::format("100 * datum[{}] / datum.__total", value)}, {"as", kValue}});
    transforms.push_back({{"aggregate", {{{"op", "sum"}, {"field", kValue}, {"as", kValue}}}}, {"groupby", groups}});
  } else if (op == "percentCount") {
    transforms.push_back({{"joinaggregate", {{{"op", "count"}, {"as", "__total"}}}}});
    transforms.push_back({{"calculate", "100 / datum.__total"}, {"as", kValue}});
    transforms.push_back({{"aggregate", {{{"op", "sum"}, {"field", kValue}, {"as", kValue}}}}, {"groupby", groups}});
  }
}

bool IsBuiltOp(const std::string& op) {
  return op == "mode" || op == "countTrue" || op == "percent" || op == "percentCount";
}

// The value channel of a summary: the aggregate of the last dimension (or a
// count of the rows).
json SummaryValue(const LayerContext& context, const ElementModel& element, json& transforms, int dim) {
  const SummaryKind& summary = *element.summary;
  std::string op = summary.op;
  std::string title = summary.title;
  std::string key;
  if (summary.readsField && !element.dims.empty()) {
    const FieldLook& look = Look(context, element.dims.back().field);
    title = FieldTitle(title, look.title);
    key = look.key;
  } else {
    title = FieldTitle(title, "");
    while (!title.empty() && title.back() == ' ') title.pop_back();
  }
  json encoding = {{"type", "quantitative"}, {"title", title}};
  if (IsBuiltOp(op)) {
    AddBuiltSummary(context, element, op, key, transforms);
    encoding["field"] = kValue;
  } else {
    encoding["aggregate"] = op;
    if (!key.empty()) encoding["field"] = EscapeFieldName(key);
  }
  // a sum, mean, median, mode, minimum or maximum is in the units of its variable
  bool sameUnits = op != "percent" && op != "percentCount" && op != "countTrue" && op != "count";
  if (summary.readsField && !element.dims.empty() && sameUnits)
    Look(context, element.dims.back().field).AddNumberFormat(encoding, "axis");
  if (const ScaleModel* scale = ScaleOf(context, dim)) ApplyScale(encoding, *scale, false);
  ApplyAxisGuide(context, encoding, dim);
  return encoding;
}

// x and y from the first two dimensions (a cluster dimension goes to x, the
// first dimension within it to the offset), the summary's value, and a
// histogram's count.
void EncodePositions(const LayerContext& context, const ElementModel& element, json& encoding, json& transforms) {
  Channels channels = ChannelsOf(context);
  std::vector<PositionDim> dims = element.dims;
  bool summarised = element.summary != nullptr;
  std::size_t plain = dims.size();
  if (summarised && element.summary->readsField && plain > 0) --plain;  // the last dimension is summarised
  std::optional<std::size_t> offset;
  if (context.model.clusterDim && *context.model.clusterDim <= static_cast<int>(dims.size()) && dims.size() == 3) {
    // cluster(3): dimension 3 forms the clusters along x, dimension 1 the bars within
    std::size_t cluster = static_cast<std::size_t>(*context.model.clusterDim - 1);
    offset = 0;
    std::swap(dims[0], dims[cluster]);
  }
  for (std::size_t i = 0; i < plain && i < 2; ++i) {
    const PositionDim& dim = dims[i];
    int dimNumber = offset && i == 0 ? *context.model.clusterDim : static_cast<int>(i) + 1;
    std::string channel = i == 0 ? channels.x : channels.y;
    if (context.model.polar && i == 0 && !Look(context, dim.field).categorical) channel = "theta";
    json field = PositionField(context, dim.field, dimNumber);
    if (element.bin && i == 0) {
      json bin = BinOf(element, Look(context, dim.field));
      field["bin"] = bin.empty() ? json(true) : bin;
      field["type"] = "quantitative";
      field.erase("sort");
    }
    ApplyAxisGuide(context, field, dimNumber);
    if (channel == "color") {
      field.erase("sort");
      field["scale"] = {{"domain", Look(context, dim.field).categories}};
    }
    encoding[channel] = field;
    if (!dim.rangeHigh.empty()) {
      encoding[SecondChannel(channel)] = {{"field", Look(context, dim.rangeHigh).fieldRef}};
      encoding[channel]["title"] = encoding[channel].value("title", Look(context, dim.field).title);
    }
  }
  if (offset) {
    json inner = PositionField(context, dims[*context.model.clusterDim - 1].field, 1);
    inner.erase("title");
    encoding[std::string(channels.x) + "Offset"] = inner;
  }
  int valueDim = static_cast<int>(std::min<std::size_t>(plain, 1)) + 1;
  std::string valueChannel = context.model.polar ? "theta" : plain == 0 ? channels.x : channels.y;
  if (summarised) encoding[valueChannel] = SummaryValue(context, element, transforms, valueDim);
  if (context.model.polar && encoding.contains("theta") && context.model.startAngle != 0) {
    double start = context.model.startAngle * std::acos(-1.0) / 180;
    encoding["theta"]["scale"]["range"] = {start, start + 2 * std::acos(-1.0)};
  }
  if (element.bin && !summarised)
    encoding[channels.y] = {{"aggregate", "count"}, {"type", "quantitative"}, {"title", "Count"}};
  if (element.bin && !summarised) ApplyAxisGuide(context, encoding[channels.y], 2);
}

void EncodeAesthetics(const LayerContext& context, const ElementModel& element, json& encoding, json& mark) {
  for (const AestheticUse& use : element.aesthetics) {
    std::string channel = use.kind->channel;
    if (channel == "text") continue;
    if (!use.field.empty()) {
      if (!encoding.contains(channel)) encoding[channel] = AestheticEncoding(context, use);
      if (std::string(use.kind->gpl) == "color.interior" && mark["type"] == "point") mark["filled"] = true;
    } else {
      ApplyConstant(use, mark);
    }
  }
}

void Arrange(const LayerContext& context, const ElementModel& element, json& encoding) {
  Channels channels = ChannelsOf(context);
  std::string value = channels.y;
  if (!encoding.contains(value) || context.model.polar) return;
  std::string mark = element.kind->mark;
  if (mark != "bar" && mark != "area") return;
  if (element.arrangement == "stack") {
    encoding[value]["stack"] = "zero";
    return;
  }
  encoding[value]["stack"] = nullptr;
  const AestheticUse* color = ColorField(element);
  if (element.arrangement == "dodge" && color && !encoding.contains(std::string(channels.x) + "Offset"))
    encoding[std::string(channels.x) + "Offset"] = {{"field", Look(context, color->field).fieldRef}, {"type", "nominal"},
                                                    {"scale", {{"domain", Look(context, color->field).categories}}}};
}

void AddDensity(const LayerContext& context, const ElementModel& element, json& layer) {
  Channels channels = ChannelsOf(context);
  const FieldLook& look = Look(context, element.dims.front().field);
  json groups = json::array();
  for (const AestheticUse& use : element.aesthetics)
    if (!use.field.empty()) groups.push_back(Look(context, use.field).key);
  for (const std::string& facet : {context.facetColumn, context.facetRow})
    if (!facet.empty()) groups.push_back(Look(context, facet).key);
  if (element.mirrored && element.dims.size() == 2) {
    const FieldLook& value = Look(context, element.dims[1].field);  // grouped by x through its facet
    layer["transform"].push_back({{"density", value.key}, {"groupby", groups}, {"as", {value.key, "density"}}});
    layer["mark"]["orient"] = "horizontal";
    layer["encoding"] = {
        {"y", {{"field", value.fieldRef}, {"type", "quantitative"}, {"title", value.title}}},
        {"x", {{"field", "density"}, {"type", "quantitative"}, {"stack", "center"}, {"title", nullptr},
               {"axis", {{"labels", false}, {"ticks", false}, {"grid", false}}}}}};
    ApplyAxisGuide(context, layer["encoding"]["y"], 2);
    return;
  }
  if (element.mirrored) {
    layer["transform"].push_back({{"density", look.key}, {"groupby", groups}, {"as", {look.key, "density"}}});
    layer["mark"]["orient"] = "horizontal";
    layer["encoding"] = {
        {"y", {{"field", look.fieldRef}, {"type", "quantitative"}, {"title", look.title}}},
        {"x", {{"field", "density"}, {"type", "quantitative"}, {"stack", "center"}, {"title", nullptr},
               {"axis", {{"labels", false}, {"ticks", false}, {"grid", false}}}}}};
    ApplyAxisGuide(context, layer["encoding"]["y"], 2);
    return;
  }
  layer["transform"].push_back({{"density", look.key}, {"groupby", groups}, {"as", {look.key, "density"}}});
  json x = {{"field", look.fieldRef}, {"type", "quantitative"}, {"title", look.title}};
  ApplyAxisGuide(context, x, 1);
  json y = {{"field", "density"}, {"type", "quantitative"}, {"title", "Density"}};
  ApplyAxisGuide(context, y, 2);
  layer["encoding"][channels.x] = x;
  layer["encoding"][channels.y] = y;
}

void AddSmooth(const LayerContext& context, const ElementModel& element, json& layer) {
  const FieldLook& x = Look(context, element.dims.at(0).field);
  const FieldLook& y = Look(context, element.dims.at(1).field);
  json transform = {{element.smooth == "linear" ? "regression" : "loess", y.key}, {"on", x.key}};
  if (const AestheticUse* color = ColorField(element)) transform["groupby"] = {Look(context, color->field).key};
  layer["transform"].push_back(transform);
}

}  // namespace

json FacetEncoding(const LayerContext& context, const std::string& field) {
  const FieldLook& look = Look(context, field);
  json encoding = {{"field", look.fieldRef}, {"title", look.title}};
  encoding["type"] = look.categorical ? "nominal" : "ordinal";
  if (look.categorical) encoding["sort"] = look.categories;
  return encoding;
}

void AddElementLayers(const LayerContext& context, const ElementModel& element, json& layers) {
  std::string markType = element.kind->mark;
  if (context.model.polar && markType == "bar") markType = "arc";
  bool ranged = false;
  for (const PositionDim& dim : element.dims) ranged = ranged || !dim.rangeHigh.empty();
  if (ranged) markType = HasIbeam(element) ? "errorbar" : "rule";
  if (!element.smooth.empty()) markType = "line";
  json mark = {{"type", markType}};
  if (markType == "errorbar") mark["ticks"] = true;
  // ranges drawn over bars of the first colour must stand out from them
  if (ranged) mark["color"] = "#222222";
  if (markType == "boxplot") mark["extent"] = 1.5;
  if (markType != "errorbar" && markType != "boxplot") mark["tooltip"] = true;
  json layer = {{"mark", mark}, {"transform", json::array()}, {"encoding", json::object()}};
  if (element.density) {
    AddDensity(context, element, layer);
  } else {
    EncodePositions(context, element, layer["encoding"], layer["transform"]);
    if (!element.smooth.empty()) AddSmooth(context, element, layer);
  }
  EncodeAesthetics(context, element, layer["encoding"], layer["mark"]);
  Arrange(context, element, layer["encoding"]);
  if (element.kind->inDataOrder) {
    json rowNumber = json::object();
    rowNumber["window"] = json::array({{{"op", "row_number"}, {"as", kRow}}});
    layer["transform"].insert(layer["transform"].begin(), rowNumber);
    layer["encoding"]["order"] = {{"field", kRow}, {"type", "quantitative"}};
  }
  if (markType == "rule" && std::string(element.kind->gpl) == "edge") {
    Channels channels = ChannelsOf(context);
    std::string x = layer["encoding"][channels.x]["field"], y = layer["encoding"][channels.y]["field"];
    layer["transform"].push_back({{"window", {{{"op", "row_number"}, {"as", kRow}},
                                              {{"op", "lead"}, {"field", x}, {"as", "__x2"}},
                                              {{"op", "lead"}, {"field", y}, {"as", "__y2"}}}}});
    layer["transform"].push_back({{"filter", fmt::format("datum.{} % 2 == 1", kRow)}});
    layer["encoding"][SecondChannel(channels.x)] = {{"field", "__x2"}};
    layer["encoding"][SecondChannel(channels.y)] = {{"field", "__y2"}};
  }
  if (layer["transform"].empty()) layer.erase("transform");
  json labels;
  for (const AestheticUse& use : element.aesthetics) {
    if (std::string(use.kind->channel) != "text" || use.field.empty()) continue;
    labels = layer;
    labels["mark"] = {{"type", "text"}, {"dy", context.model.transpose ? 0 : -6}, {"dx", context.model.transpose ? 8 : 0}};
    const FieldLook& look = Look(context, use.field);
    labels["encoding"]["text"] = {{"field", look.fieldRef}, {"type", look.categorical ? "nominal" : "quantitative"}};
    if (!look.numberFormat.empty()) labels["encoding"]["text"]["format"] = look.numberFormat;
    for (const char* drop : {"color", "shape", "size", "opacity", "stroke"}) labels["encoding"].erase(drop);
  }
  layers.push_back(std::move(layer));
  if (!labels.is_null()) layers.push_back(std::move(labels));
}

void AddFitLineLayer(const LayerContext& context, const ElementModel& element, bool bySubgroup, json& layers) {
  if (element.dims.size() < 2 || element.summary || element.bin) return;
  const FieldLook& x = Look(context, element.dims[0].field);
  const FieldLook& y = Look(context, element.dims[1].field);
  if (x.categorical || y.categorical) return;
  Channels channels = ChannelsOf(context);
  json transform = {{"regression", y.key}, {"on", x.key}};
  json layer = {{"mark", {{"type", "line"}, {"tooltip", true}}},
                {"encoding",
                 {{channels.x, {{"field", x.fieldRef}, {"type", "quantitative"}, {"title", x.title}}},
                  {channels.y, {{"field", y.fieldRef}, {"type", "quantitative"}, {"title", y.title}}}}}};
  const AestheticUse* color = ColorField(element);
  if (bySubgroup && color) {
    transform["groupby"] = {Look(context, color->field).key};
    layer["encoding"]["color"] = AestheticEncoding(context, *color);
  } else {
    layer["mark"]["color"] = "#333333";
  }
  layer["transform"] = {transform};
  layers.push_back(std::move(layer));
}
