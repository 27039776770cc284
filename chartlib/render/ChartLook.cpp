#include "chartlib/render/ChartLook.h"

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>

#include <fmt/format.h>

#include "chartlib/document/DocumentState.h"

namespace {

constexpr const char* kDefaultColor = "#3366aa";

std::vector<std::string> ColorCycle(const DocumentState& state) {
  std::vector<XDocument::ColorSpec> colors = state.colors;
  std::stable_sort(colors.begin(), colors.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
  std::vector<std::string> cycle;
  for (const XDocument::ColorSpec& color : colors)
    cycle.push_back(fmt::format("#{:02x}{:02x}{:02x}", color.red & 0xff, color.green & 0xff, color.blue & 0xff));
  return cycle;
}

// The style sheet's chart background, grid colour and colour cycle.
void ApplyStyleSheet(const std::string& text, nlohmann::json& config, std::vector<std::string>& cycle) {
  pugi::xml_document document;
  if (!document.load_buffer(text.data(), text.size())) return;
  for (pugi::xml_node style : document.document_element().children("style")) {
    std::string selector = style.attribute("selector").value();
    if (selector == "chart" && style.attribute("background")) config["background"] = style.attribute("background").value();
    if (selector == "gridline" && style.attribute("color")) config["axis"]["gridColor"] = style.attribute("color").value();
    if (selector == "element" && style.attribute("color-cycle") && cycle.empty()) {
      std::istringstream colors(style.attribute("color-cycle").value());
      for (std::string color; colors >> color;) cycle.push_back(color);
    }
  }
}

void ApplyImmediateTemplate(const std::string& text, ChartLook& look) {
  pugi::xml_document document;
  if (!document.load_buffer(text.data(), text.size())) return;
  pugi::xml_node root = document.document_element();
  std::string name = root.name();
  if (name == "addFitLine") {
    std::string target = root.attribute("target").value();
    if (target == "pair") look.fitLines.total = true;
    if (target == "subgroup") look.fitLines.subgroup = true;
  }
  if (name == "setStyle" && root.find_node([](pugi::xml_node node) { return node.attribute("gradient-method"); }))
    look.gradient = true;
}

// 0 not given, 1 on, 2 off.
void ApplyGridlines(int state, const char* axis, nlohmann::json& config) {
  if (state != 0) config[axis]["grid"] = state == 1;
}

}  // namespace

ChartLook LookOfChart(const DocumentState& state) {
  ChartLook look;
  nlohmann::json& config = look.config;
  config["font"] = "DejaVu Sans";
  // value labels and variable labels are read whole, not cut short
  config["legend"] = {{"titleLimit", 400}, {"labelLimit", 400}};
  std::vector<std::string> cycle = ColorCycle(state);
  if (state.styleSheet) ApplyStyleSheet(state.styleSheet->content, config, cycle);
  if (!cycle.empty()) config["range"]["category"] = cycle;
  look.firstColor = cycle.empty() ? kDefaultColor : cycle.front();
  config["mark"]["color"] = look.firstColor;
  if (state.innerFrame == 1) config["view"]["stroke"] = "#444444";
  if (state.innerFrame == 2) config["view"]["stroke"] = nullptr;
  ApplyGridlines(state.xAxisGridlines, "axisX", config);
  ApplyGridlines(state.yAxisGridlines, "axisY", config);
  for (const std::string& text : state.immediateTemplates) ApplyImmediateTemplate(text, look);
  return look;
}
