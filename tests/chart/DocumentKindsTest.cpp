#include <gtest/gtest.h>

#include "MessageHandler.h"
#include "XDocument.h"
#include "XGraph.h"
#include "XGraphService.h"
#include "XImage.h"
#include "xLumo.h"
#include "tests/chart/CapturedOutput.h"
#include "tests/chart/TempFolder.h"

namespace {

std::vector<nlohmann::json> OfType(const std::vector<nlohmann::json>& items, const std::string& type) {
  std::vector<nlohmann::json> found;
  for (const auto& item : items)
    if (item["type"] == type) found.push_back(item);
  return found;
}

TEST(GplDocument, AProgramThatGivesNoChartIsReportedWithItsPlace) {
  CapturedOutput output;
  XDocument good("ELEMENT: point(position(x*y))", true, true);
  XDocument bad("ELEMENT: point(position(x*y)\nGUIDE: axis(dim(1))", true, true);
  XDocument quiet("ELEMENT: (", true, false);
  EXPECT_TRUE(good.implementationExists());
  EXPECT_FALSE(bad.implementationExists());
  auto messages = OfType(output.Items(), "message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["level"], 3);
  EXPECT_EQ(messages[0]["text"],
            "The GPL gives no chart: line 1, column 29: expected ',' or ')' but found the end of the line.");
}

TEST(XmlDocument, DeclaresSourcesVariablesAndSubtitle) {
  XDocument document(R"(<?xml version="1.0"?>
<visualization>
  <userSource id="ds1"/>
  <userSource id="ds1"/>
  <variable name="jobcat" source="ds1" categorical="true" label="Job"/>
  <variable name="salary" source="ds1"/>
  <subtitle>All staff</subtitle>
  <element type="interval" x="jobcat" y="salary"/>
</visualization>)");
  ASSERT_TRUE(document.implementationExists()) << document.getParseError();
  XGraph* graph = document.getGraph();
  EXPECT_EQ(graph->getUserSourceNames(), std::vector<std::string>{"ds1"});
  EXPECT_TRUE(graph->getVariable("jobcat", 0)->getCategorical());
  EXPECT_EQ(graph->getVariable("jobcat", 0)->getLabel().toUTF8(), "Job");
  EXPECT_FALSE(graph->getVariable("salary", 0)->getCategorical());
  EXPECT_EQ(graph->getSubTitle().toUTF8(), "All staff");
}

TEST(XmlDocument, TextThatIsNotWellFormedOrHoldsNoChartGivesNoDocument) {
  struct Case {
    const char* xml;
    const char* error;
  };
  for (Case c : {Case{"<visualization>\n  <element type='point'>\n</visualization>",
                      "the chart document is not well-formed XML (Start-end tags mismatch at line 3, column 3)"},
                 Case{"not xml at all",
                      "the chart document is not well-formed XML (No document element found at line 1, column 15)"},
                 Case{"<chart><element/></chart>", "the chart document has no <visualization> root element"},
                 Case{"<visualization><userSource id='a'/></visualization>",
                      "the chart document declares no <element>"},
                 Case{"", "the chart document is not well-formed XML (No document element found at line 1, column 1)"}}) {
    XDocument document{std::string(c.xml)};
    EXPECT_FALSE(document.implementationExists()) << c.xml;
    EXPECT_EQ(document.getParseError(), c.error) << c.xml;
  }
}

TEST(JsonChart, SendsAReadableChartFileAndRefusesOthers) {
  TempFolder folder;
  folder.Write("chart.json", "\xEF\xBB\xBF{\"mark\": \"bar\", \"data\": [1, 2]}");
  folder.Write("broken.json", "{\"mark\": ");
  folder.Write("world.geojson", "{\"type\": \"FeatureCollection\", \"features\": []}");
  CapturedOutput output(folder.Path());
  xLumo chart;
  EXPECT_FALSE(chart.setViZJSON("missing.json"));
  EXPECT_FALSE(chart.setViZJSON("broken.json"));
  EXPECT_FALSE(chart.implementationExists());
  EXPECT_TRUE(chart.setViZJSON("chart.json"));
  chart.SetDescription("Sales");
  EXPECT_TRUE(chart.sendChart());

  xLumo mapChart;
  EXPECT_FALSE(mapChart.setViZJSONTemplate("{not json"));
  EXPECT_TRUE(mapChart.setViZJSONTemplate("{\"layers\": []}"));
  EXPECT_TRUE(mapChart.addGeoJSON("world.geojson"));
  EXPECT_FALSE(mapChart.addGeoJSON("broken.json"));
  EXPECT_TRUE(mapChart.sendChart());

  xLumo empty;
  EXPECT_FALSE(empty.sendChart());

  auto items = output.Items();
  auto charts = OfType(items, "jsonChart");
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0]["description"], "Sales");
  EXPECT_EQ(charts[0]["chart"], nlohmann::json::parse(R"({"mark": "bar", "data": [1, 2]})"));
  EXPECT_TRUE(charts[0]["template"].is_null());
  EXPECT_EQ(charts[1]["template"]["layers"], nlohmann::json::array());
  ASSERT_EQ(charts[1]["geoJson"].size(), 1u);
  EXPECT_EQ(charts[1]["geoJson"][0]["file"], "world.geojson");
  EXPECT_EQ(charts[1]["geoJson"][0]["content"]["type"], "FeatureCollection");
  auto warnings = OfType(items, "message");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0]["level"], 2);
}

TEST(Image, SendsPngJpegAndBmpAndWarnsAboutOtherContent) {
  const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(30, '\0');
  CapturedOutput output;
  XImage image;
  EXPECT_TRUE(image.setImageInline(kImagePng, png));
  image.SetDescription("Logo");
  EXPECT_TRUE(image.sendImage());
  XImage jpeg;
  EXPECT_TRUE(jpeg.setImageInline(kImageJpeg, "\xFF\xD8\xFF" + std::string(40, 'x')));
  XImage bmp;
  EXPECT_TRUE(bmp.setImageInline(kImageBmp, "BM" + std::string(40, 'x')));
  XImage text;
  EXPECT_FALSE(text.setImageInline(kImagePng, "this is a text file, not an image"));
  EXPECT_FALSE(text.setImageInline(kImagePng, "\x89PNG"));
  EXPECT_FALSE(text.sendImage());

  auto items = output.Items();
  auto images = OfType(items, "image");
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0]["format"], "png");
  EXPECT_EQ(images[0]["mediaType"], "image/png");
  EXPECT_EQ(images[0]["subtype"], kImagePng);
  EXPECT_EQ(images[0]["size"], png.size());
  EXPECT_EQ(images[0]["base64"], "iVBORw0KGgoAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=");
  EXPECT_EQ(OfType(items, "message").size(), 1u);
}

TEST(GraphService, ExistsWithOptionsAndSendsOneDocumentPerSource) {
  CapturedOutput output;
  XGraphService service;
  service.setChartOptions("  \n ");
  EXPECT_FALSE(service.implementationExists());
  EXPECT_FALSE(service.sendChartOptions());
  service.setChartOptions("{\"chart\": \"bar\"}");
  EXPECT_TRUE(service.implementationExists());
  service.SetDescription("Graph");
  service.createDocument("ds1");
  service.addVariable("age", 3);
  service.addVariable("", 3);
  EXPECT_TRUE(service.sendChartOptions());
  service.createDocument("ds1");
  service.addVariable("income", 5);
  EXPECT_TRUE(service.sendChartOptions());

  auto documents = OfType(output.Items(), "graphService");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0]["options"], "{\"chart\": \"bar\"}");
  EXPECT_EQ(documents[0]["source"], "ds1");
  EXPECT_EQ(documents[0]["variables"], nlohmann::json::parse(R"([{"name": "age", "index": 3}, {"name": "", "index": 3}])"));
  EXPECT_EQ(documents[1]["variables"].size(), 1u);
  EXPECT_TRUE(documents[0]["data"].is_null());
}

TEST(ModelMessage, SendsItsNumberedContents) {
  CapturedOutput output;
  MessageHandler empty;
  EXPECT_FALSE(empty.sendMessage());
  MessageHandler message;
  message.setMessageType(56);
  message.addMessageContents("Tree model", 0, false);
  message.addMessageContents("<PMML version=\"4.4\"/>", 3, true);
  message.addMessageContents(std::string("\x00\xFF\x01", 3), 4, true);
  EXPECT_TRUE(message.sendMessage());

  auto messages = OfType(output.Items(), "modelMessage");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["messageType"], 56);
  EXPECT_EQ(messages[0]["contents"], nlohmann::json::parse(R"([
    {"number": 0, "file": false, "text": "Tree model"},
    {"number": 3, "file": true, "text": "<PMML version=\"4.4\"/>"},
    {"number": 4, "file": true, "base64": "AP8B"}])"));
}

}  // namespace
