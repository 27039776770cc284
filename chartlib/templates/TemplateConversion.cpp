#include "chartlib/templates/TemplateConversion.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

namespace {

// A slot of the template and what fills it (null while unfilled).
struct Slot {
  bool optional = false;
  const TemplateMapping* mapping = nullptr;
};
using Slots = std::map<std::string, Slot>;

bool Load(pugi::xml_document& document, const std::string& text, const char* root, const char* what,
          std::string& error) {
  pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) {
    error = std::string("the ") + what + " is not well-formed XML (" + parsed.description() + ")";
    return false;
  }
  if (std::strcmp(document.document_element().name(), root) != 0) {
    error = std::string("the ") + what + " has no <" + root + "> root element";
    return false;
  }
  return true;
}

bool FillSlots(const pugi::xml_node& root, const TemplateRequest& request, Slots& slots, std::string& error) {
  for (pugi::xml_node slot : root.children("slot"))
    slots[slot.attribute("name").value()].optional = slot.attribute("optional").as_bool();
  for (const TemplateMapping& mapping : request.mappings) {
    if (mapping.isWeight) continue;  // the weight needs no slot
    auto found = slots.find(mapping.slot);
    if (found == slots.end()) {
      error = "the template has no slot '" + mapping.slot + "'";
      return false;
    }
    found->second.mapping = &mapping;
  }
  for (const auto& [name, slot] : slots) {
    if (!slot.optional && !slot.mapping) {
      error = "the template's slot '" + name + "' is not filled";
      return false;
    }
  }
  return true;
}

// The text with each "{slot}" replaced by the variable's name and each
// "{slot.label}" by its label (its name when it has none). Unfilled tells
// whether a placeholder of an unfilled slot was met.
std::string Substitute(const std::string& text, const Slots& slots, bool& unfilled) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t open; (open = text.find('{', at)) != std::string::npos;) {
    std::size_t close = text.find('}', open);
    if (close == std::string::npos) break;
    std::string key = text.substr(open + 1, close - open - 1);
    bool wantsLabel = key.size() > 6 && key.compare(key.size() - 6, 6, ".label") == 0;
    auto slot = slots.find(wantsLabel ? key.substr(0, key.size() - 6) : key);
    out.append(text, at, open - at);
    if (slot == slots.end()) {
      out.append(text, open, close + 1 - open);
    } else if (!slot->second.mapping) {
      unfilled = true;
    } else {
      const TemplateMapping& mapping = *slot->second.mapping;
      out += wantsLabel && !mapping.label.empty() ? mapping.label : mapping.variable;
    }
    at = close + 1;
  }
  out.append(text, at, std::string::npos);
  return out;
}

bool RequiresUnfilledSlot(const pugi::xml_node& node, const Slots& slots) {
  const char* required = node.attribute("requires").value();
  if (!*required) return false;
  auto slot = slots.find(required);
  return slot == slots.end() || !slot->second.mapping;
}

// Fills the placeholders below node. Elements that require an unfilled slot
// and attributes that name one are dropped.
void FillBody(pugi::xml_node node, const Slots& slots) {
  for (pugi::xml_node child = node.first_child(); child;) {
    pugi::xml_node next = child.next_sibling();
    if (child.type() == pugi::node_element && RequiresUnfilledSlot(child, slots)) {
      node.remove_child(child);
    } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      bool unfilled = false;
      child.set_value(Substitute(child.value(), slots, unfilled).c_str());
    } else if (child.type() == pugi::node_element) {
      child.remove_attribute("requires");
      for (pugi::xml_attribute attribute = child.first_attribute(); attribute;) {
        pugi::xml_attribute following = attribute.next_attribute();
        bool unfilled = false;
        std::string value = Substitute(attribute.value(), slots, unfilled);
        if (unfilled)
          child.remove_attribute(attribute);
        else
          attribute.set_value(value.c_str());
        attribute = following;
      }
      FillBody(child, slots);
    }
    child = next;
  }
}

const char* SetType(VARIABLE_TYPE type) {
  return type == VARIABLE_CATEGORY_SET ? "categories" : type == VARIABLE_DICHOTOMY_SET ? "dichotomies" : "";
}

void DeclareVariable(pugi::xml_node variable, const TemplateMapping& mapping) {
  variable.append_attribute("name") = mapping.variable.c_str();
  variable.append_attribute("source") = mapping.dataSet.c_str();
  variable.append_attribute("slot") = mapping.slot.c_str();
  variable.append_attribute("categorical") = mapping.categorical;
  if (!mapping.label.empty()) variable.append_attribute("label") = mapping.label.c_str();
  if (mapping.isWeight) variable.append_attribute("weight") = true;
  if (mapping.format) variable.append_attribute("format") = *mapping.format;
  if (!mapping.labelSet.empty()) variable.append_attribute("labelSet") = mapping.labelSet.c_str();
  if (mapping.type != VARIABLE_SINGLE) {
    variable.append_attribute("set") = mapping.setName.c_str();
    variable.append_attribute("setType") = SetType(mapping.type);
    variable.append_attribute("useCategoryLabels") = mapping.useCategoryLabels;
  }
  if (mapping.countedValue) variable.append_attribute("countedValue") = mapping.countedValue->c_str();
  for (const TemplateMember& member : mapping.members) {
    pugi::xml_node node = variable.append_child("member");
    node.append_attribute("name") = member.name.c_str();
    node.append_attribute("label") = member.label.c_str();
    if (!member.labelSet.empty()) node.append_attribute("labelSet") = member.labelSet.c_str();
  }
}

// Sources and variables go first in the body, in mapping order, then the map.
void Declare(pugi::xml_node body, const TemplateRequest& request) {
  pugi::xml_node first = body.first_child();
  auto insert = [&](const char* name) { return first ? body.insert_child_before(name, first) : body.append_child(name); };
  std::vector<std::string> sources;
  for (const TemplateMapping& mapping : request.mappings) {
    if (mapping.dataSet.empty() || std::find(sources.begin(), sources.end(), mapping.dataSet) != sources.end())
      continue;
    sources.push_back(mapping.dataSet);
    insert("userSource").append_attribute("id") = mapping.dataSet.c_str();
  }
  for (const TemplateMapping& mapping : request.mappings) DeclareVariable(insert("variable"), mapping);
  if (request.dataMap.name.empty() && request.referenceMap.name.empty()) return;
  pugi::xml_node map = insert("map");
  map.append_attribute("data") = request.dataMap.name.c_str();
  map.append_attribute("reference") = request.referenceMap.name.c_str();
  map.append_attribute("key") = request.mapKey.c_str();
  map.append_attribute("showAllFeatures") = request.showAllFeatures;
}

std::string Write(const pugi::xml_document& document, unsigned flags) {
  std::ostringstream text;
  document.save(text, "  ", flags);
  return text.str();
}

}  // namespace

bool ConvertTemplate(const std::string& templateXml, const TemplateRequest& request, std::string& chartXml,
                     std::string& error) {
  pugi::xml_document source;
  if (!Load(source, templateXml, "vizTemplate", "template", error)) return false;
  pugi::xml_node root = source.document_element();
  pugi::xml_node body = root.child("visualization");
  if (!body) {
    error = "the template has no <visualization> body";
    return false;
  }
  Slots slots;
  if (!FillSlots(root, request, slots, error)) return false;
  pugi::xml_document chart;
  pugi::xml_node visualization = chart.append_copy(body);
  FillBody(visualization, slots);
  Declare(visualization, request);
  visualization.remove_attribute("template");
  visualization.prepend_attribute("template") = root.attribute("name").value();
  chartXml = Write(chart, pugi::format_default);
  return true;
}

bool ConvertStyleSheet(const std::string& styleXml, std::string& converted, std::string& error) {
  pugi::xml_document document;
  if (!Load(document, styleXml, "styleSheet", "style sheet", error)) return false;
  converted = Write(document, pugi::format_raw | pugi::format_no_declaration);
  return true;
}
