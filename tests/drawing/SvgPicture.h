#pragma once
// Reads what a picture drawn by Vega shows: its marks (one element per item
// inside each "role-mark" group, with the fields and values of its
// aria-label), its axes, legends, title and subtitle, and the facet headers.

#include <pugixml.hpp>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class SvgPicture {
 public:
  // One drawn item: what it is ("bar", "point", "errorbar", "line mark")
  // and its aria-label "Stage: A; Mean: 28" read as {Stage: A, Mean: 28}.
  struct Item {
    std::string kind;
    std::map<std::string, std::string> fields;
  };
  struct MarkGroup {
    std::string type;  // rect, symbol, line, area, rule, text, arc
    std::string name;  // the mark's name in the Vega-Lite JSON
    std::vector<Item> items;
  };
  struct Axis {
    char orient;  // 'X' or 'Y'
    std::string title;
    std::vector<std::string> labels;
  };
  struct Legend {
    std::string title;
    std::vector<std::string> labels;
  };

  explicit SvgPicture(const std::string& svg) { ok_ = document_.load_string(svg.c_str()); }
  bool Ok() const { return static_cast<bool>(ok_); }

  std::vector<MarkGroup> MarkGroups() const {
    std::vector<MarkGroup> groups;
    for (pugi::xml_node group : GroupsWithRole("role-mark")) {
      MarkGroup mark;
      std::vector<std::string> classes = Classes(group);
      for (const std::string& name : classes)
        if (name.starts_with("mark-")) mark.type = name.substr(5);
      mark.name = classes.empty() ? "" : classes.back();
      for (pugi::xml_node child : group.children())
        if (std::string_view(child.attribute("role").value()) == "graphics-symbol")
          mark.items.push_back(
              Item{child.attribute("aria-roledescription").value(), Fields(child.attribute("aria-label").value())});
      groups.push_back(std::move(mark));
    }
    return groups;
  }

  // The items of that kind in every mark group ("bar", "point", ...).
  std::vector<Item> Items(const std::string& kind) const {
    std::vector<Item> items;
    for (const MarkGroup& group : MarkGroups())
      for (const Item& item : group.items)
        if (item.kind == kind) items.push_back(item);
    return items;
  }

  std::vector<Axis> Axes() const {
    std::vector<Axis> axes;
    for (pugi::xml_node group : GroupsWithRole("role-axis")) {
      std::string_view label = group.attribute("aria-label").value();
      if (label.size() < 6 || label.substr(1, 5) != "-axis") continue;  // the grid's axes are hidden
      axes.push_back(Axis{label[0], FirstText(group, "role-axis-title"), TextsOf(group, "role-axis-label")});
    }
    return axes;
  }

  std::vector<Legend> Legends() const {
    std::vector<Legend> legends;
    for (pugi::xml_node group : GroupsWithRole("role-legend"))
      legends.push_back(Legend{FirstText(group, "role-legend-title"), TextsOf(group, "role-legend-label")});
    return legends;
  }

  // The chart's own title and subtitle: those of the title group that no
  // group but the root holds (facet headers and a footnote are titles too).
  std::string Title() const { return FirstText(ChartTitle(), "role-title-text"); }
  std::string Subtitle() const { return FirstText(ChartTitle(), "role-title-subtitle"); }
  // Every title text, the chart's, the footnote's and the facet headers'.
  std::vector<std::string> AllTitleTexts() const { return TextsOf(document_, "role-title-text"); }
  // Facet headers: one label per column or row facet, and the facets' titles.
  std::vector<std::string> HeaderLabels() const {
    std::vector<std::string> labels;
    for (const char* role : {"role-column-header", "role-row-header"})
      for (pugi::xml_node header : GroupsWithRole(role))
        for (const std::string& text : TextsOf(header, "role-title-text")) labels.push_back(text);
    return labels;
  }
  std::vector<std::string> HeaderTitles() const {
    std::vector<std::string> titles;
    for (const char* role : {"role-column-title", "role-row-title"})
      for (pugi::xml_node header : GroupsWithRole(role))
        for (const std::string& text : TextsOf(header, "role-title-text")) titles.push_back(text);
    return titles;
  }

 private:
  pugi::xml_node ChartTitle() const {
    for (pugi::xml_node group : GroupsWithRole("role-title")) {
      int groups = 0;
      for (pugi::xml_node up = group.parent(); up; up = up.parent()) groups += HasClass(up, "mark-group");
      if (groups == 1) return group;
    }
    return pugi::xml_node();
  }

  static std::vector<std::string> Classes(pugi::xml_node node) {
    std::vector<std::string> classes;
    std::string_view all = node.attribute("class").value();
    while (!all.empty()) {
      std::size_t space = all.find(' ');
      if (space != 0) classes.emplace_back(all.substr(0, space));
      if (space == std::string_view::npos) break;
      all.remove_prefix(space + 1);
    }
    return classes;
  }

  static bool HasClass(pugi::xml_node node, std::string_view wanted) {
    for (const std::string& name : Classes(node))
      if (name == wanted) return true;
    return false;
  }

  std::vector<pugi::xml_node> GroupsWithRole(std::string_view role) const { return GroupsWithRole(document_, role); }

  static std::vector<pugi::xml_node> GroupsWithRole(pugi::xml_node root, std::string_view role) {
    std::vector<pugi::xml_node> found;
    for (pugi::xpath_node hit : root.select_nodes(".//g[@class]"))
      if (HasClass(hit.node(), role)) found.push_back(hit.node());
    return found;
  }

  // The text of each item of the groups of that role below root, in order;
  // a text split into lines (tspan) is joined with a space.
  static std::vector<std::string> TextsOf(pugi::xml_node root, std::string_view role) {
    std::vector<std::string> texts;
    for (pugi::xml_node group : GroupsWithRole(root, role))
      for (pugi::xpath_node text : group.select_nodes(".//text")) texts.push_back(TextOf(text.node()));
    return texts;
  }

  static std::string FirstText(pugi::xml_node root, std::string_view role) {
    std::vector<std::string> texts = TextsOf(root, role);
    return texts.empty() ? std::string() : texts.front();
  }

  static std::string TextOf(pugi::xml_node text) {
    if (!text.child("tspan")) return text.child_value();
    std::string joined;
    for (pugi::xml_node line : text.children("tspan")) joined += (joined.empty() ? "" : " ") + std::string(line.child_value());
    return joined;
  }

  static std::map<std::string, std::string> Fields(std::string_view label) {
    std::map<std::string, std::string> fields;
    while (!label.empty()) {
      std::size_t end = label.find("; ");
      std::string_view pair = label.substr(0, end);
      std::size_t colon = pair.find(": ");
      if (colon != std::string_view::npos) fields[std::string(pair.substr(0, colon))] = pair.substr(colon + 2);
      if (end == std::string_view::npos) break;
      label.remove_prefix(end + 2);
    }
    return fields;
  }

  pugi::xml_document document_;
  pugi::xml_parse_result ok_;
};
