// Chart production per source kind: files read or reported, the output each
// kind sends, and the chart options that only inline charts receive.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

const std::string kPngBytes = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(24, '\0');

class ChartSources : public ::testing::Test {
 protected:
  ChartSources() {
    files_.Write("chart.gpl", "ELEMENT: point(position(x*y))\n");
    files_.Write("chart.xml", "<visualization><element type=\"point\"/></visualization>");
    files_.Write("chart.json", "{\"chart\": 1}");
    files_.Write("template.json", "{\"template\": 1}");
    files_.Write("a.geojson", "{\"type\": \"FeatureCollection\", \"features\": [1]}");
    files_.Write("c.geojson", "{\"type\": \"FeatureCollection\", \"features\": [3]}");
    files_.Write("image.png", kPngBytes);
    files_.Write("a.xml", "<PMML>a</PMML>");
    files_.Write("b.xml", "<PMML>b</PMML>");
  }

  CommandRun Run(const std::string& commands) { return RunCommands(commands, {}, files_.Path("")); }

  static std::vector<json> Messages(const CommandRun& run) { return ModuleMessages(run); }

  static json NoAccess(const std::string& file) {
    return json{{"type", "message"}, {"level", 2}, {"text", "File " + file + " has no access..."}};
  }

  DataFiles files_;
};

// Every item of the run's procedure, in output order, but the renderer's
// warnings on the stub charts it does not draw.
std::vector<json> ProcedureItems(const CommandRun& run) {
  auto procedures = ItemsOfType(run, "procedure");
  if (procedures.size() != 1) return {};
  std::vector<json> items;
  for (const json& item : procedures[0]["items"])
    if (!IsNotDrawnWarning(item)) items.push_back(item);
  return items;
}

TEST_F(ChartSources, EachFileKindIsReportedWhenUnreadableAndTheNextGraphSpecStillRuns) {
  struct Case {
    const char* missing;
    const char* missingFile;
    const char* readable;
    const char* itemType;
  };
  for (const Case& c : {
           Case{"GPLFILE('none.gpl')", "none.gpl", "GPLFILE('chart.gpl')", "chart"},
           Case{"VIZMLFILE('none.xml')", "none.xml", "VIZMLFILE('chart.xml')", "chart"},
           Case{"VIZJSONFILE('none.json')", "none.json", "VIZJSONFILE('chart.json')", "jsonChart"},
           Case{"VIZJSONTEMPLATE('none.json')", "none.json", "VIZJSONTEMPLATE('template.json')", "jsonChart"},
           Case{"IMAGEFILE('none.png')", "none.png", "IMAGEFILE('image.png')", "image"},
           Case{"PMMLFILE('none.xml')", "none.xml", "PMMLFILE('a.xml')", "modelMessage"},
       }) {
    CommandRun run =
        Run(std::string("GGRAPH /GRAPHSPEC SOURCE=") + c.missing + " /GRAPHSPEC SOURCE=" + c.readable + ".\n");
    auto items = ProcedureItems(run);
    ASSERT_EQ(items.size(), 2u) << c.readable << "\n" << run.listing;
    EXPECT_EQ(items[0], NoAccess(c.missingFile)) << c.missing;
    EXPECT_EQ(items[1]["type"], c.itemType) << c.readable;
  }
}

TEST_F(ChartSources, FileChartsCarryTheirFilesContent) {
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=GPLFILE('chart.gpl') /GRAPHSPEC SOURCE=VIZMLFILE('chart.xml')"
          " /GRAPHSPEC SOURCE=VIZJSONFILE('chart.json') /GRAPHSPEC SOURCE=IMAGEFILE('image.png').\n");
  auto items = ProcedureItems(run);
  ASSERT_EQ(items.size(), 4u) << run.listing;
  EXPECT_EQ(items[0]["kind"], "gpl");
  EXPECT_EQ(items[0]["gpl"], "ELEMENT: point(position(x*y))\n");
  EXPECT_EQ(items[1]["kind"], "vizml");
  EXPECT_NE(items[1]["document"].get<std::string>().find("<element type=\"point\"/>"), std::string::npos);
  EXPECT_EQ(items[2]["chart"], json({{"chart", 1}}));
  EXPECT_EQ(items[3]["format"], "png");
  EXPECT_EQ(items[3]["subtype"], 3);
  EXPECT_EQ(items[3]["size"], kPngBytes.size());
}

TEST_F(ChartSources, AJsonTemplateIsSentWithTheGeoJsonFilesThatCanBeRead) {
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=VIZJSONTEMPLATE('template.json') SOURCE=GEOJSONFILE('a.geojson')"
          " SOURCE=GEOJSONFILE('b.geojson') SOURCE=GEOJSONFILE('c.geojson').\n");
  auto items = ProcedureItems(run);
  ASSERT_EQ(items.size(), 2u) << run.listing;
  EXPECT_EQ(items[0], NoAccess("b.geojson"));
  const json& chart = items[1];
  EXPECT_EQ(chart["type"], "jsonChart");
  EXPECT_EQ(chart["template"], json({{"template", 1}}));
  ASSERT_EQ(chart["geoJson"].size(), 2u);
  EXPECT_EQ(chart["geoJson"][0]["file"], "a.geojson");
  EXPECT_EQ(chart["geoJson"][1]["file"], "c.geojson");
  EXPECT_EQ(chart["geoJson"][1]["content"]["features"], json::array({3}));
}

TEST_F(ChartSources, ModelFilesAreSentWithTheirContentNumbers) {
  struct Case {
    const char* files;
    std::vector<int> numbers;  // empty: the whole text is reported
  };
  for (const Case& c : {Case{"a.xml", {0, 1}}, Case{"a.xml,b.xml", {0, 3, 4}}, Case{"a.xml,none.xml", {}},
                        Case{"none.xml,b.xml", {}}}) {
    CommandRun run = Run(std::string("GGRAPH /GRAPHSPEC SOURCE=PMMLFILE('") + c.files + "') LABEL='Model'.\n");
    auto items = ProcedureItems(run);
    ASSERT_EQ(items.size(), 1u) << c.files << "\n" << run.listing;
    if (c.numbers.empty()) {
      EXPECT_EQ(items[0], NoAccess(c.files));
      continue;
    }
    EXPECT_EQ(items[0]["messageType"], 56);
    const json& contents = items[0]["contents"];
    ASSERT_EQ(contents.size(), c.numbers.size()) << c.files;
    EXPECT_EQ(contents[0], json({{"number", 0}, {"file", false}, {"text", "Model"}}));
    for (std::size_t i = 1; i < c.numbers.size(); ++i) {
      EXPECT_EQ(contents[i]["number"], c.numbers[i]) << c.files;
      EXPECT_EQ(contents[i]["file"], true);
    }
    EXPECT_EQ(contents.back()["text"], c.numbers.size() == 2 ? "<PMML>a</PMML>" : "<PMML>b</PMML>");
  }
}

TEST_F(ChartSources, SelfSentOutputIsDescribedByItsLabelOrByGraph) {
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=VIZJSONFILE('chart.json') LABEL='Sales'"
          " /GRAPHSPEC SOURCE=VIZJSONFILE('chart.json') /GRAPHSPEC SOURCE=IMAGEFILE('image.png')"
          " /GRAPHSPEC SOURCE=PMMLFILE('a.xml').\n");
  auto items = ProcedureItems(run);
  ASSERT_EQ(items.size(), 4u) << run.listing;
  EXPECT_EQ(items[0]["description"], "Sales");
  EXPECT_EQ(items[1]["description"], "Graph");
  EXPECT_EQ(items[2]["description"], "Graph");
  EXPECT_EQ(items[3]["contents"][0]["text"], "Graph");
}

// A template that gives no chart says why; the next graph spec still runs.
TEST_F(ChartSources, ATemplateChartIsConvertedOrItsFailureReported) {
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Nowhere'[LOCATION=LOCAL] MAPPING(x=a y=b))"
          " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))"
          " VIZSTYLESHEET='Default'[LOCATION=LOCAL].\n");
  auto items = ProcedureItems(run);
  ASSERT_EQ(items.size(), 2u) << run.listing;
  EXPECT_EQ(items[0]["level"], 3);
  EXPECT_EQ(items[0]["text"],
            "The visualization template Nowhere gives no chart: the template 'Nowhere' cannot be found or read.");
  EXPECT_EQ(items[1]["kind"], "vizml");
  EXPECT_EQ(items[1]["editor"], 2);
  EXPECT_EQ(items[1]["styleSheet"]["name"], "Default");
  EXPECT_NE(items[1]["document"].get<std::string>().find("template=\"Bar\""), std::string::npos);
}

// Of the two unaggregated data sets only the weighted one has a weight
// variable; the aggregated one has none.
TEST_F(ChartSources, ATemplateReceivesAWeightMappingPerWeightedDataSet) {
  EngineOptions options;
  options.dataPath = WritePackage(files_, R"({"fields": [{"name": "g", "type": "integer"},
                                                      {"name": "w", "type": "number"}],
                                           "weightVariable": "w"})",
                                  "g,w\n1,2\n2,3\n");
  options.dataSets = {{"plain", files_.Write("plain.csv", "g\n1\n")}};
  CommandRun run = RunCommands(
      "GGRAPH /GRAPHDATASET NAME=\"a\" VARIABLES=g /GRAPHDATASET NAME=\"p\" DATASET=\"plain\" VARIABLES=g"
      " /GRAPHDATASET NAME=\"c\" VARIABLES=g COUNT()[NAME=\"COUNT\"]"
      " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=g y=COUNT[DATASET=\"c\"])).\n",
      options, files_.Path(""));
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 1u) << run.listing;
  const std::string document = charts[0]["document"];
  std::size_t weight = document.find("name=\"$WEIGHT\"");
  ASSERT_NE(weight, std::string::npos) << document;
  EXPECT_EQ(document.find("name=\"$WEIGHT\"", weight + 1), std::string::npos) << document;
  std::string declaration = document.substr(weight, document.find("/>", weight) - weight);
  for (const char* attribute : {"source=\"a\"", "slot=\"dupRa6ej\"", "weight=\"true\""})
    EXPECT_NE(declaration.find(attribute), std::string::npos) << attribute << " in " << declaration;
}

// A data map named as a file is read by the module, a map in a folder comes
// from the template; both reach the document with the template's map names.
TEST_F(ChartSources, ATemplateChartCarriesItsDataAndReferenceMaps) {
  files_.Write("regions.map.json", "{\"map\": \"regions\"}");
  std::filesystem::create_directories(files_.Path("maps"));
  files_.Write("maps/world.map.json", "{\"map\": \"world\"}");
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))"
          " VIZMAP='regions.map.json'[LOCATION=FILE TYPE=DATA MAPKEY='id' SHOWALLFEATURES=YES]"
          " VIZMAP='world'[LOCATION='maps' TYPE=REFERENCE].\n");
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 1u) << run.listing;
  EXPECT_EQ(charts[0]["dataMap"]["content"], "{\"map\": \"regions\"}");
  EXPECT_EQ(charts[0]["referenceMap"], json({{"name", "world"}, {"content", "{\"map\": \"world\"}"}}));
  EXPECT_NE(charts[0]["document"].get<std::string>().find("key=\"id\""), std::string::npos) << charts[0]["document"];
}

// Maps and style sheets named as files are resolved before any chart is made:
// one that cannot be reached refuses the whole command with one error (also
// the style sheet: as a warning, a run without its charts ended as a success).
TEST_F(ChartSources, ATemplatesMapOrStyleSheetFileOutOfReachRefusesTheCommand) {
  struct Case {
    const char* files;
    const char* message;
    int level;
  };
  for (const Case& c : {
           Case{" VIZMAP='nosuch.map.json'[LOCATION=FILE TYPE=DATA MAPKEY='id']", "nosuch.map.json", 3},
           Case{" VIZMAP='nosuch.map.json'[LOCATION=FILE TYPE=REFERENCE]", "nosuch.map.json", 3},
           Case{" VIZSTYLESHEET='nosuch.style.xml'[LOCATION=FILE]", "nosuch.style.xml", 3},
           Case{" VIZMAP='chart.json'[LOCATION=FILE TYPE=DATA MAPKEY='id']"
                " VIZMAP='none.json'[LOCATION=FILE TYPE=REFERENCE]",
                "none.json", 3},
       }) {
    CommandRun run = Run(std::string("GGRAPH /GRAPHSPEC SOURCE=GPLFILE('chart.gpl')"
                                     " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))") +
                         c.files + " /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').\n");
    json expected = NoAccess(c.message);
    expected["level"] = c.level;
    EXPECT_EQ(ProcedureItems(run), std::vector<json>{expected}) << c.files << "\n" << run.listing;
  }
}

// A style sheet in the template folder that is not there makes the template
// fail to convert: that chart alone is left out, with an error that says why.
TEST_F(ChartSources, ATemplateWhoseLocalStyleSheetIsMissingIsLeftOut) {
  CommandRun run = Run(
      "GGRAPH /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))"
      " VIZSTYLESHEET='Nosuch'[LOCATION=LOCAL] /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').\n");
  auto messages = ModuleMessages(run);
  ASSERT_EQ(messages.size(), 1u) << run.listing;
  EXPECT_EQ(messages[0]["level"], 3);
  EXPECT_EQ(messages[0]["text"],
            "The visualization template Bar gives no chart: the style sheet 'Nosuch' cannot be found or read.");
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 1u) << run.listing;
  EXPECT_EQ(charts[0]["kind"], "gpl");
}

TEST_F(ChartSources, ATemplatesStyleSheetAndMapsNamedAsFilesReachTheChart) {
  files_.Write("regions.map.json", "{\"map\": \"regions\"}");
  files_.Write("world.map.json", "{\"map\": \"world\"}");
  files_.Write("mine.style.xml", "<styleSheet><style name=\"mine\"/></styleSheet>");
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))"
          " VIZMAP='regions.map.json'[LOCATION=FILE TYPE=DATA MAPKEY='id']"
          " VIZMAP='world.map.json'[LOCATION=FILE TYPE=REFERENCE] VIZSTYLESHEET='mine.style.xml'[LOCATION=FILE].\n");
  EXPECT_TRUE(Messages(run).empty()) << run.listing;
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 1u) << run.listing;
  EXPECT_EQ(charts[0]["dataMap"]["content"], "{\"map\": \"regions\"}");
  EXPECT_EQ(charts[0]["referenceMap"]["content"], "{\"map\": \"world\"}");
  EXPECT_EQ(charts[0]["styleSheet"]["name"], files_.Path("mine.style.xml"));
  EXPECT_EQ(charts[0]["styleSheet"]["content"], "<styleSheet><style name=\"mine\"/></styleSheet>");
}

TEST_F(ChartSources, AStyleSheetIsConvertedForFileCharts) {
  CommandRun run =
      Run("GGRAPH /GRAPHSPEC SOURCE=GPLFILE('chart.gpl') VIZSTYLESHEET='Default'[LOCATION=LOCAL]"
          " /GRAPHSPEC SOURCE=GPLFILE('chart.gpl') VIZSTYLESHEET='Missing'[LOCATION=LOCAL].\n");
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 2u) << run.listing;
  EXPECT_EQ(charts[0]["styleSheet"]["name"], "Default");
  EXPECT_NE(charts[0]["styleSheet"]["content"].get<std::string>().find("<styleSheet"), std::string::npos);
  EXPECT_TRUE(charts[1]["styleSheet"].is_null());
}

const char* kAllOptions =
    " /FITLINE TOTAL=YES SUBGROUP=YES /STYLE GRADIENT=YES /COLORCYCLE COLOR3(10, 20, 30) COLOR1(40, 50, 60)"
    " /FRAME OUTER=YES INNER=NO /GRIDLINES XAXIS=NO.\n";

TEST_F(ChartSources, ChartOptionsReachInlineChartsWithColourPositionsNotNumbers) {
  CommandRun run = Run(std::string("GGRAPH /GRAPHSPEC SOURCE=INLINE") + kAllOptions +
                       "BEGIN GPL\nELEMENT: point(position(x*y))\nEND GPL\n");
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 1u) << run.listing;
  const json& chart = charts[0];
  ASSERT_EQ(chart["immediateTemplates"].size(), 3u);
  EXPECT_EQ(chart["immediateTemplates"][0], R"(<addFitLine rsquared="true" target="pair" type="linear"/>)");
  EXPECT_EQ(chart["immediateTemplates"][1], R"(<addFitLine rsquared="true" target="subgroup" type="linear"/>)");
  EXPECT_EQ(chart["immediateTemplates"][2],
            "<setStyle type='scatter'><style size='10pt' shadow-color='black' shadow-opacity='0.5' "
            "shadow-dx='2px' shadow-dy='2px' gradient-color='white' gradient-isInverted='true' "
            "gradient-method='radial' gradient-angle='30' gradient-focus='0.625'/></setStyle>");
  EXPECT_EQ(chart["colors"], json::parse(R"([{"position": 1, "red": 40, "green": 50, "blue": 60},
                                             {"position": 2, "red": 10, "green": 20, "blue": 30}])"));
  EXPECT_EQ(chart["frames"], json({{"outer", 1}, {"inner", 2}}));
  EXPECT_EQ(chart["gridlines"], json({{"x", 2}, {"y", 0}}));
}

TEST_F(ChartSources, ChartOptionsNeverTouchFileOrTemplateCharts) {
  CommandRun run =
      Run(std::string("GGRAPH /GRAPHSPEC SOURCE=GPLFILE('chart.gpl') /GRAPHSPEC SOURCE=VIZMLFILE('chart.xml')"
                      " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a y=b))") +
          kAllOptions);
  auto charts = ItemsOfType(run, "chart");
  ASSERT_EQ(charts.size(), 3u) << run.listing;
  for (const json& chart : charts) {
    EXPECT_EQ(chart["immediateTemplates"], json::array());
    EXPECT_EQ(chart["colors"], json::array());
    EXPECT_EQ(chart["frames"], json({{"outer", 0}, {"inner", 0}}));
    EXPECT_EQ(chart["gridlines"], json({{"x", 0}, {"y", 0}}));
  }
}

}  // namespace
