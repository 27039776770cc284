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

std::vector<json> Messages(const CommandRun& run) { return ItemsOfType(run, "message"); }
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

TEST_F(ChartLoop, AChartWithoutUserSourcesIsSentWithoutData) {
  for (const char* dataSets : {"", kSplitDataSet}) {
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

}  // namespace
