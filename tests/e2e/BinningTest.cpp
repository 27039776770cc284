// SOURCE=BINS through whole commands: one table of bins per numeric variable
// of every graph data set, over all split groups together.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

// x: 0, 5, 10 and a system-missing value; same: all 3; none: no valid value;
// name: a string; w weighs the cases; grp splits the file after case 2 when
// the split is asked for; $xs is a set of the categories of x and same.
const char* kCases = "x,same,none,name,w,grp\n0,3,,a,1,1\n5,3,,b,2,1\n10,3,,c,2,2\n,3,,d,1,2\n";

std::string Schema(const std::string& extra) {
  return R"({"fields": [{"name": "x", "type": "number"}, {"name": "same", "type": "number"},
    {"name": "none", "type": "number"}, {"name": "name", "type": "string", "width": 4},
    {"name": "w", "type": "number"}, {"name": "grp", "type": "integer"}], "weightVariable": "w",
    "multipleResponseSets": [{"name": "$xs", "type": "categories", "label": "XS", "variables": ["x", "same"]}])" +
         extra + "}";
}

class Binning : public ::testing::Test {
 protected:
  CommandRun Run(const std::string& command, const std::string& schemaExtra = "") {
    EngineOptions options;
    options.dataPath = WritePackage(files_, Schema(schemaExtra), kCases);
    return RunCommands(command, options);
  }

  DataFiles files_;
};

// The items of the procedure that bins, each table as its title and its rows
// "label=cell", a split change as "split".
std::vector<std::string> Output(const CommandRun& run) {
  std::vector<std::string> out;
  for (const json& procedure : ItemsOfType(run, "procedure")) {
    for (const json& item : procedure["items"]) {
      if (item["type"] == "splitChange") out.push_back("split");
      if (item["type"] != "table") continue;
      std::string table = item["title"].get<std::string>() + ":";
      for (const json& row : item["rows"])
        table += " " + row["label"].get<std::string>() + "=" + row["cells"][0].dump();
      out.push_back(table);
    }
  }
  return out;
}

std::vector<std::string> MessageTexts(const CommandRun& run) {
  std::vector<std::string> texts;
  for (const auto& message : ItemsOfType(run, "message")) texts.push_back(message["text"]);
  return texts;
}

TEST_F(Binning, WritesATableForEveryNumericVariableOfEveryDataSet) {
  CommandRun run = Run("GGRAPH /GRAPHDATASET NAME=\"a\" VARIABLES=x same name /GRAPHDATASET NAME=\"b\" "
                       "VARIABLES=none /GRAPHDATASET NAME=\"c\" VARIABLES=$xs COUNT() /GRAPHSPEC SOURCE=BINS(2).\n");
  EXPECT_TRUE(MessageTexts(run).empty());
  // The string, the case number and the set make no table; the weight of each
  // unaggregated data set does.
  const std::vector<std::string> expected = {
      "x: min=0.0 max=10.0 width=5.025 numBins=2.0 0=2.0 1=1.0",
      "same: min=3.0 max=3.0 width=0.0 numBins=1.0 0=4.0",
      "w: min=1.0 max=2.0 width=0.75 numBins=2.0 0=2.0 1=2.0",
      "none: min=0.0 max=0.0 width=0.0 numBins=1.0 0=0.0",
      "w: min=1.0 max=2.0 width=0.75 numBins=2.0 0=2.0 1=2.0",
  };
  EXPECT_EQ(Output(run), expected);
  EXPECT_TRUE(ItemsOfType(run, "chart").empty());
}

TEST_F(Binning, CoversAllSplitGroupsInOneTable) {
  CommandRun run = Run("GGRAPH /GRAPHDATASET NAME=\"a\" VARIABLES=x /GRAPHSPEC SOURCE=BINS(2).\n",
                       R"(, "splitVariables": ["grp"])");
  const std::vector<std::string> expected = {
      "split",
      "x: min=0.0 max=10.0 width=5.025 numBins=2.0 0=2.0 1=1.0",
      "split",
      "w: min=1.0 max=2.0 width=0.75 numBins=2.0 0=2.0 1=2.0",
  };
  EXPECT_EQ(Output(run), expected);
}

TEST_F(Binning, RefusesFewerThanOneBin) {
  CommandRun run = Run("GGRAPH /GRAPHDATASET NAME=\"a\" VARIABLES=x /GRAPHSPEC SOURCE=BINS(0).\n");
  EXPECT_EQ(MessageTexts(run),
            std::vector<std::string>{"SubCmd GRAPHSPEC. The bin count of BINS must be at least 1, not 0."});
  EXPECT_TRUE(ItemsOfType(run, "table").empty());
}

}  // namespace
