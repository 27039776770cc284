#include <pugixml.hpp>

#include <algorithm>
#include <cstring>

#include "XVariable.h"
#include "chartlib/document/ParsedChart.h"

namespace {

// "line 2, column 5" of a byte offset into text.
std::string Position(std::string_view text, std::ptrdiff_t offset) {
  int line = 1;
  int column = 1;
  for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(text.size()); ++i) {
    if (text[static_cast<std::size_t>(i)] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

void ReadUserSource(const pugi::xml_node& node, XGraph::Declarations& declarations) {
  std::string id = node.attribute("id").value();
  auto& sources = declarations.userSources;
  if (!id.empty() && std::find(sources.begin(), sources.end(), id) == sources.end()) sources.push_back(id);
}

void ReadVariable(const pugi::xml_node& node, XGraph::Declarations& declarations) {
  std::string name = node.attribute("name").value();
  if (name.empty()) return;
  auto variable = std::make_unique<XVariable>(name, node.attribute("source").value(),
                                              node.attribute("categorical").as_bool(),
                                              node.attribute("weight").as_bool());
  if (const char* label = node.attribute("label").value(); *label) variable->setLabel(label);
  declarations.variables.push_back(std::move(variable));
}

}  // namespace

ParsedChart ReadXmlChart(std::string_view xml) {
  ParsedChart chart;
  pugi::xml_document document;
  pugi::xml_parse_result parsed = document.load_buffer(xml.data(), xml.size());
  if (!parsed) {
    chart.error = std::string("the chart document is not well-formed XML (") + parsed.description() + " at " +
                  Position(xml, parsed.offset) + ")";
    return chart;
  }
  pugi::xml_node root = document.document_element();
  if (std::strcmp(root.name(), "visualization") != 0) {
    chart.error = "the chart document has no <visualization> root element";
    return chart;
  }
  int elements = 0;
  for (pugi::xml_node node : root.children()) {
    std::string_view name = node.name();
    if (name == "userSource") ReadUserSource(node, chart.declarations);
    if (name == "variable") ReadVariable(node, chart.declarations);
    if (name == "subtitle" && chart.declarations.subtitle.empty()) chart.declarations.subtitle = node.text().get();
    if (name == "element") ++elements;
  }
  if (elements == 0) chart.error = "the chart document declares no <element>";
  return chart;
}
