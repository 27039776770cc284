// The chart loop: binding the GPL's user sources to graph data sets, split
// output, merged tables and their messages.

#include <gtest/gtest.h>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

std::string Gpl(const std::vector<std::string>& sources) {
  std::string gpl = "BEGIN GPL\n";
  for (std::size_t i = 0; i < sources.size(); ++i)
    gpl += "SOURCE: s" + std::to_string(i) + " = userSource(id(\"" + sources[i] + "\"))\n";
  return gpl + "ELEMENT: point(position(x*y))\nEND GPL\n";
}

json Error(const std::string& text) { return json{{"type", "message"}, {"level", 3}, {"text", text}}; }

json MissingDataSet(const std::string& name) {
  return Error("A graph specification refers to graph data set " + name + ", but graph data set " + name +
               " does not exist.");
}

std::vector<json> Messages(const CommandRun& run) { return ModuleMessages(run); }
std::vector<json> Charts(const CommandRun& run) { return ItemsOfType(run, "chart"); }

// The working data is split by gender (labelled Gender) into the groups 1 and
// 2; the data set "plain" has no split.
class ChartLoop : public ::testing::Test {
 protected:
  ChartLoop() {
    options_.dataPath = WritePackage(files_,
                                     R"({"fields": [{"name": "gender", "type": "integer", "title": "Gender"},
                                                    {"name": "sales", "type": "number"}],
                                         "splitVariables": ["gender"]})",
                                     "gender,sales\n1,10\n1,20\n2,30\n");
    options_.dataSets = {{"plain", files_.Write("plain.csv", "x\n1\n2\n")}};
  }

  CommandRun Run(const std::string& commands) { return RunCommands(commands, options_, files_.Path("")); }

  DataFiles files_;
  EngineOptions options_;
};

const char* kSplitDataSet = "/GRAPHDATASET NAME=\"ds1\" VARIABLES=sales";
const char* kPlainDataSet = " /GRAPHDATASET NAME=\"p\" DATASET=\"plain\" VARIABLES=x";

// With two data sets the GPL gains no declarations, so it has no user source.
TEST_F(ChartLoop, AChartWithoutUserSourcesIsSentWithoutData) {
  for (std::string dataSets : {std::string(), kSplitDataSet + std::string(kPlainDataSet)}) {
    CommandRun run = Run(std::string("GGRAPH ") + dataSets + " /GRAPHSPEC SOURCE=INLINE.\n" + Gpl({}));
    auto charts = Charts(run);
    ASSERT_EQ(charts.size(), 1u) << dataSets << "\n" << run.listing;
    EXPECT_TRUE(charts[0]["data"].is_null());
    EXPECT_FALSE(charts[0]["later"]);
    EXPECT_TRUE(Messages(run).empty()) << run.listing;
  }
}

TEST_F(ChartLoop, AUserSourceWithoutAnyDataSetEndsTheChartLoop) {
  CommandRun run = Run("GGRAPH /GRAPHSPEC SOURCE=INLINE /GRAPHSPEC SOURCE=INLINE.\n" + Gpl({"ds1", "ds2"}) + Gpl({}));
  EXPECT_EQ(Messages(run), std::vector<json>{MissingDataSet("ds1")});
  EXPECT_TRUE(Charts(run).empty());
}

// Only the data sets bound before the first unknown source reach the chart;
// the next GRAPHSPEC still runs.
TEST_F(ChartLoop, AnUnknownUserSourceEndsTheBindingAtItsPlace) {
  struct Case {
    std::vector<std::string> sources;
    bool sent;
  };
  for (const Case& c : {Case{{"ds1", "ds2"}, true}, Case{{"ds2", "ds1"}, false}}) {
    CommandRun run =
        Run("GGRAPH /GRAPHDATASET NAME=\"ds1\" DATASET=\"plain\" VARIABLES=x"
            " /GRAPHSPEC SOURCE=INLINE LABEL='first' /GRAPHSPEC SOURCE=INLINE LABEL='next'.\n" +
            Gpl(c.sources) + Gpl({"ds1"}));
    EXPECT_EQ(Messages(run), std::vector<json>{MissingDataSet("ds2")}) << c.sources[0];
    auto charts = Charts(run);
    ASSERT_EQ(charts.size(), c.sent ? 2u : 1u) << c.sources[0] << "\n" << run.listing;
    EXPECT_EQ(charts.back()["description"], "next");
    if (!c.sent) continue;
    EXPECT_EQ(charts[0]["data"]["sources"].size(), 1u);
    EXPECT_EQ(charts[0]["data"]["sources"][0]["name"], "ds1");
  }
}

// Each GRAPHSPEC over the split data set starts again at the first group;
// the groups describe and subtitle their charts.
TEST_F(ChartLoop, SplitOutputSendsOneChartPerGroupForEveryGraphSpec) {
  CommandRun run = Run(std::string("GGRAPH ") + kSplitDataSet +
                       " /GRAPHSPEC SOURCE=INLINE LABEL='Sales' /GRAPHSPEC SOURCE=INLINE LABEL='Sales'.\n" +
                       Gpl({"ds1"}) + Gpl({"ds1"}));
  auto charts = Charts(run);
  ASSERT_EQ(charts.size(), 4u) << run.listing;
  EXPECT_TRUE(Messages(run).empty()) << run.listing;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    std::string category = i % 2 == 0 ? "1" : "2";
    EXPECT_EQ(charts[i]["later"], i % 2 == 1) << i;
    EXPECT_EQ(charts[i]["description"], "Sales ; gender = " + category) << i;
    EXPECT_EQ(charts[i]["subtitle"], "Gender: " + category) << i;
    EXPECT_EQ(charts[i]["data"]["sources"][0]["rows"], i % 2 == 0 ? 2 : 1) << i;
    EXPECT_EQ(charts[i]["dataHandles"], json::parse(R"([{"source": "ds1", "dataSet": "*"}])")) << i;
  }
}

// A GPL subtitle stays on every group's chart, a template chart gets none; a
// chart from a VizML file always shows the group. Without a label the
// document's own description starts the group's.
TEST_F(ChartLoop, TheGroupSubtitleReplacesNoSubtitleOfTheChartsOwnExceptInVizml) {
  files_.Write(
      "chart.xml",
      "<visualization><userSource id=\"ds1\"/><subtitle>Own</subtitle><element type=\"point\"/></visualization>");
  CommandRun run = Run(std::string("GGRAPH ") + kSplitDataSet +
                       " /GRAPHSPEC SOURCE=INLINE /GRAPHSPEC SOURCE=VIZMLFILE('chart.xml')"
                       " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=gender y=sales)).\n"
                       "BEGIN GPL\nSOURCE: s = userSource(id(\"ds1\"))\nGUIDE: text.subtitle(label(\"Own\"))\n"
                       "ELEMENT: point(position(x*y))\nEND GPL\n");
  auto charts = Charts(run);
  ASSERT_EQ(charts.size(), 6u) << run.listing;
  const std::vector<std::string> subtitles = {"Own", "Own", "Gender: 1", "Gender: 2", "", ""};
  for (std::size_t i = 0; i < charts.size(); ++i) {
    EXPECT_EQ(charts[i]["subtitle"], subtitles[i]) << i;
    EXPECT_EQ(charts[i]["description"], i % 2 == 0 ? "Graph ; gender = 1" : "Graph ; gender = 2") << i;
  }
}

// The first bound data set decides between split and merged output; every
// later one that differs from it is reported.
TEST_F(ChartLoop, MixedSplitStatesAreReportedAndTheFirstDataSetDecides) {
  struct Case {
    std::vector<std::string> sources;
    std::size_t messages;
    std::size_t charts;
  };
  for (const Case& c : {Case{{"ds1", "p"}, 1, 2}, Case{{"p", "ds1"}, 1, 1}, Case{{"ds1", "p", "q"}, 2, 2},
                        Case{{"p", "q", "ds1"}, 1, 1}}) {
    CommandRun run =
        Run(std::string("GGRAPH ") + kSplitDataSet + kPlainDataSet +
            " /GRAPHDATASET NAME=\"q\" DATASET=\"plain\" VARIABLES=x /GRAPHSPEC SOURCE=INLINE.\n" + Gpl(c.sources));
    std::vector<json> mixing(c.messages,
                             Error("Can not mix graph data sets if one graph data set has a split file active."));
    std::string sources = c.sources[0] + "," + c.sources[1];
    EXPECT_EQ(Messages(run), mixing) << sources;
    EXPECT_EQ(Charts(run).size(), c.charts) << sources << "\n" << run.listing;
  }
}

// The tables of all bound data sets go out as one, and the data sets keep
// their own tables: a later chart over one of them sees only its own source.
TEST_F(ChartLoop, UnsplitDataSetsAreMergedIntoOneTableForTheirChartOnly) {
  options_.dataPath.clear();
  options_.dataSets.push_back({"other", files_.Write("other.csv", "y\n5\n6\n7\n")});
  CommandRun run =
      Run("GGRAPH /GRAPHDATASET NAME=\"a\" DATASET=\"plain\" VARIABLES=x"
          " /GRAPHDATASET NAME=\"b\" DATASET=\"other\" VARIABLES=y"
          " /GRAPHSPEC SOURCE=INLINE /GRAPHSPEC SOURCE=INLINE.\n" +
          Gpl({"a", "b"}) + Gpl({"a"}));
  auto charts = Charts(run);
  ASSERT_EQ(charts.size(), 2u) << run.listing;
  EXPECT_TRUE(Messages(run).empty()) << run.listing;
  const json& merged = charts[0]["data"]["sources"];
  ASSERT_EQ(merged.size(), 2u);
  EXPECT_EQ(merged[0]["name"], "a");
  EXPECT_EQ(merged[0]["rows"], 2);
  EXPECT_EQ(merged[1]["name"], "b");
  EXPECT_EQ(merged[1]["rows"], 3);
  EXPECT_EQ(charts[0]["dataHandles"],
            json::parse(R"([{"source": "a", "dataSet": "plain"}, {"source": "b", "dataSet": "other"}])"));
  EXPECT_FALSE(charts[0]["later"]);
  ASSERT_EQ(charts[1]["data"]["sources"].size(), 1u);
  EXPECT_EQ(charts[1]["data"]["sources"][0]["name"], "a");
}

}  // namespace
