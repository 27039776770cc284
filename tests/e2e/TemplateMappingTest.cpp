// Template mappings completed by validation, read back from the chart
// documents that the templates produce.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "tests/support/RunCommands.h"

namespace {

const std::string kPbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";

using Attributes = std::map<std::string, std::string>;

// The attributes of each mapped variable of a template document, by slot;
// the members of a set as "member:NAME".
std::map<std::string, Attributes> MappedVariables(const std::string& document) {
  pugi::xml_document xml;
  std::map<std::string, Attributes> bySlot;
  if (!xml.load_string(document.c_str())) return bySlot;
  for (pugi::xml_node variable : xml.child("visualization").children("variable")) {
    Attributes& attributes = bySlot[variable.attribute("slot").value()];
    for (pugi::xml_attribute attribute : variable.attributes()) attributes[attribute.name()] = attribute.value();
    for (pugi::xml_node member : variable.children("member"))
      attributes[std::string("member:") + member.attribute("name").value()] =
          std::string(member.attribute("label").value()) + "|" + member.attribute("labelSet").value();
  }
  return bySlot;
}

struct TemplateChart {
  std::map<std::string, Attributes> mapped;
  std::vector<std::string> columns;  // the chart's variables
};

std::vector<TemplateChart> TemplateCharts(const std::string& commands) {
  EngineOptions options;
  options.dataPath = kPbc;
  CommandRun run = RunCommands(commands, options);
  EXPECT_TRUE(ModuleMessages(run).empty()) << run.listing;
  std::vector<TemplateChart> charts;
  for (const nlohmann::json& chart : ItemsOfType(run, "chart")) {
    charts.push_back({MappedVariables(chart["document"]), {}});
    for (const nlohmann::json& variable : chart["variables"]) charts.back().columns.push_back(variable["name"]);
  }
  return charts;
}

bool IsLabellingName(const std::string& name) { return name.rfind("labelingVariable_", 0) == 0; }

TEST(TemplateMappings, CarryLevelsLabelsAndSharedValueLabelSources) {
  auto charts = TemplateCharts(
      "GGRAPH /GRAPHDATASET NAME=g VARIABLES=trt age stage[LEVEL=SCALE]"
      " /GRAPHDATASET NAME=h VARIABLES=trt[NAME='arm']"
      " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=trt y=stage color=arm[DATASET='h']))"
      " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=stage y=age)).\n");
  ASSERT_EQ(charts.size(), 2u);
  Attributes x = charts[0].mapped["x"], y = charts[0].mapped["y"], color = charts[0].mapped["color"];

  EXPECT_EQ(x["source"], "g");  // no DATASET: the first data set
  EXPECT_EQ(x["categorical"], "true");
  EXPECT_EQ(x["label"], "Treatment");
  EXPECT_TRUE(IsLabellingName(x["labelSet"])) << x["labelSet"];

  // LEVEL=SCALE wins over the dictionary's ordinal level: values, no label source.
  EXPECT_EQ(y["categorical"], "false");
  EXPECT_EQ(y.count("labelSet"), 0u);
  EXPECT_EQ(charts[1].mapped["x"]["categorical"], "false");

  // The same engine variable under another name in another data set.
  EXPECT_EQ(color["source"], "h");
  EXPECT_EQ(color["categorical"], "true");
  EXPECT_EQ(color["labelSet"], x["labelSet"]);

  EXPECT_EQ(charts[1].mapped["y"]["categorical"], "false");
  EXPECT_EQ(charts[1].mapped["y"]["label"], "Age in years");
}

TEST(TemplateMappings, ExpandAMultipleResponseSetIntoItsMembers) {
  auto charts = TemplateCharts(
      "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$signs age"
      " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=$signs y=age)).\n");
  ASSERT_EQ(charts.size(), 1u);
  Attributes set = charts[0].mapped["x"];
  EXPECT_EQ(set["categorical"], "true");
  EXPECT_EQ(set["setType"], "dichotomies");
  EXPECT_EQ(set["set"], "Clinical signs present");
  EXPECT_EQ(set["countedValue"], "1");
  EXPECT_EQ(set.count("format"), 0u);

  std::vector<std::string> labelSets;
  for (const auto& [member, label] : std::map<std::string, std::string>{
           {"ascites", "Ascites"}, {"hepato", "Enlarged liver"}, {"spiders", "Spider angiomata"}}) {
    const std::string& value = set["member:" + member];
    ASSERT_EQ(value.substr(0, value.find('|')), label) << member;
    labelSets.push_back(value.substr(value.find('|') + 1));
    EXPECT_TRUE(IsLabellingName(labelSets.back())) << member;
  }
  // The members join the data set as columns of their own.
  for (const char* member : {"ascites", "hepato", "spiders"})
    EXPECT_NE(std::find(charts[0].columns.begin(), charts[0].columns.end(), member), charts[0].columns.end()) << member;
  // Each member writes value labels of its own.
  EXPECT_NE(labelSets[0], labelSets[1]);
  EXPECT_NE(labelSets[1], labelSets[2]);
}

}  // namespace
