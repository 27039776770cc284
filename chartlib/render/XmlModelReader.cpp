#include "chartlib/render/XmlModelReader.h"

#include <pugixml.hpp>

#include <cstring>
#include <fmt/format.h>

#include "chartlib/render/RenderCatalogue.h"

namespace {

RenderWarning NotDrawn(const std::string& what) {
  return MakeWarning(fmt::format("The chart is not drawn: the renderer does not draw {} of the XML chart form.", what));
}

// Children of <visualization> that draw nothing.
bool IsDeclaration(const char* name) {
  for (const char* known : {"userSource", "variable", "subtitle"})
    if (std::strcmp(name, known) == 0) return true;
  return false;
}

class XmlReader {
 public:
  ReadChart Read(std::string_view xml) {
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size())) return Failed(NotDrawn("a text that is not well-formed"));
    pugi::xml_node root = document.document_element();
    for (pugi::xml_node variable : root.children("variable")) AddVariable(variable);
    for (pugi::xml_node child : root.children()) {
      if (child.type() != pugi::node_element || IsDeclaration(child.name())) continue;
      if (!ReadChild(child)) return std::move(chart_);
    }
    if (chart_.model.elements.empty()) return Failed(MakeWarning("The chart is not drawn: the chart has no element."));
    return std::move(chart_);
  }

 private:
  ReadChart Failed(RenderWarning warning) {
    chart_.fault = std::move(warning);
    return std::move(chart_);
  }
  bool Fail(RenderWarning warning) {
    chart_.fault = std::move(warning);
    return false;
  }

  void AddVariable(pugi::xml_node variable) {
    std::string name = variable.attribute("name").value();
    ColumnRef& ref = chart_.model.columns[name];
    ref.column = name;
    ref.source = variable.attribute("source").value();
    ref.categorical = variable.attribute("categorical").as_bool();
  }

  bool ReadChild(pugi::xml_node child) {
    std::string name = child.name();
    if (name == "element") return ReadElement(child);
    if (name == "axis") {
      chart_.model.axes[child.attribute("dim").as_int()].title = GuideLabel(child);
      return true;
    }
    if (name == "legend") {
      chart_.model.legends[child.attribute("aesthetic").value()].title = GuideLabel(child);
      return true;
    }
    return Fail(NotDrawn(fmt::format("<{}>", name)));
  }

  // A template writes a variable's name where the variable has no label;
  // the chart variable may have one by the time the chart is sent.
  std::optional<std::string> GuideLabel(pugi::xml_node guide) const {
    pugi::xml_attribute label = guide.attribute("label");
    if (!label || chart_.model.columns.count(label.value())) return std::nullopt;
    return std::string(label.value());
  }

  bool Field(pugi::xml_node element, const char* attribute, std::string& field) {
    pugi::xml_attribute value = element.attribute(attribute);
    if (!value) return true;
    if (!chart_.model.columns.count(value.value()))
      return Fail(MakeWarning(fmt::format(
          "The chart is not drawn: the element's {} names \"{}\", which the chart does not declare.", attribute,
          value.value())));
    field = value.value();
    return true;
  }

  bool ReadElement(pugi::xml_node node) {
    const ElementKind* kind = FindElementKind(node.attribute("type").value());
    if (!kind) return Fail(NotDrawn(fmt::format("the element type \"{}\"", node.attribute("type").value())));
    ElementModel element;
    element.kind = kind;
    element.arrangement = node.attribute("arrangement").value();
    std::string x, y, color;
    if (!Field(node, "x", x) || !Field(node, "y", y) || !Field(node, "color", color)) return false;
    for (const std::string& field : {x, y})
      if (!field.empty()) element.dims.emplace_back().field = field;
    if (!color.empty()) {
      AestheticUse& use = element.aesthetics.emplace_back();
      use.kind = FindAestheticKind("color");
      use.field = color;
    }
    std::string statistic = node.attribute("statistic").value();
    if (statistic == "density") {
      element.density = true;
    } else if (!statistic.empty()) {
      element.summary = FindSummaryKind("summary." + statistic);
      if (!element.summary) return Fail(NotDrawn(fmt::format("the statistic \"{}\"", statistic)));
    }
    std::string binning = node.attribute("binning").value();
    if (binning == "rect") element.bin = true;
    else if (!binning.empty()) return Fail(NotDrawn(fmt::format("the binning \"{}\"", binning)));
    std::string shape = node.attribute("shape").value();
    if (shape == "mirrored") element.mirrored = true;
    else if (!shape.empty()) return Fail(NotDrawn(fmt::format("the shape \"{}\"", shape)));
    if (!element.arrangement.empty() && element.arrangement != "dodge" && element.arrangement != "stack")
      return Fail(NotDrawn(fmt::format("the arrangement \"{}\"", element.arrangement)));
    if (element.dims.empty()) return Fail(NotDrawn("an element without x or y"));
    chart_.model.elements.push_back(std::move(element));
    return true;
  }

  ReadChart chart_;
};

}  // namespace

ReadChart ReadXmlModel(std::string_view xml) { return XmlReader().Read(xml); }
