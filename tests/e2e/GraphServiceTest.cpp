#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

// x with the user-missing value 9, a string, grp splitting the file after
// the second case, and the set $ab of the categories of a and b.
const char* kSchema = R"({"fields": [{"name": "x", "type": "number", "missingValues": [{"value": "9"}]},
  {"name": "name", "type": "string", "width": 3}, {"name": "grp", "type": "integer"},
  {"name": "a", "type": "integer"}, {"name": "b", "type": "integer"}],
  "splitVariables": ["grp"],
  "multipleResponseSets": [{"name": "$ab", "type": "categories", "label": "AB", "variables": ["a", "b"]}]})";
const char* kCases = "x,name,grp,a,b\n1,a,1,1,2\n9,b,1,2,1\n3,c,2,1,1\n";

class GraphService : public ::testing::Test {
 protected:
  CommandRun Run(const std::string& command) {
    EngineOptions options;
    options.thinClient = true;
    options.dataPath = WritePackage(files_, kSchema, kCases);
    return RunCommands(command, options);
  }

  DataFiles files_;
};

std::vector<std::string> MessageTexts(const CommandRun& run) {
  std::vector<std::string> texts;
  for (const auto& message : ItemsOfType(run, "message")) texts.push_back(message["text"]);
  return texts;
}

const char* kBlock = "BEGIN GRAPHSRV\n{\"chart\": \"bar\",\n\n x\n}\nEND GRAPHSRV\n";

TEST_F(GraphService, SendsOneDocumentPerSplitGroupWithTheBlockAsOptions) {
  CommandRun run =
      Run(std::string("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x name /GRAPHSPEC SOURCE=INLINE.\n") + kBlock);
  EXPECT_TRUE(MessageTexts(run).empty());
  auto documents = ItemsOfType(run, "graphService");
  ASSERT_EQ(documents.size(), 2u);
  const nlohmann::json variables =
      nlohmann::json::parse(R"([{"name": "x", "index": 0}, {"name": "name", "index": 1}])");
  for (const auto& document : documents) {
    // The blank rest of the opening line's 256 characters comes first; the
    // blank line stays an empty line, the one-character lines stay whole, and
    // the closing line adds its own line feed.
    EXPECT_EQ(document["options"], std::string(242, ' ') + "{\"chart\": \"bar\",\n\n x\n}\n\n");
    EXPECT_EQ(document["source"], "g");
    EXPECT_EQ(document["description"], "Graph");
    EXPECT_EQ(document["dataHandles"], nlohmann::json::parse(R"([{"source": "g", "dataSet": "*"}])"));
    EXPECT_EQ(document["variables"], variables);
  }
  EXPECT_EQ(documents[0]["data"]["sources"][0]["rows"], 2);
  EXPECT_EQ(documents[1]["data"]["sources"][0]["rows"], 1);
}

TEST_F(GraphService, ReportsMissingValuesWhateverReportMissingSays) {
  CommandRun run = Run(std::string("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x REPORTMISSING=NO "
                                   "/GRAPHSPEC SOURCE=INLINE.\n") +
                       kBlock);
  auto documents = ItemsOfType(run, "graphService");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0]["data"]["sources"][0]["rows"], 2) << "the case with the user-missing 9 is kept";
}

TEST_F(GraphService, SendsTheLastDataSetsGroupsAndTellsWhenThereIsNone) {
  CommandRun none = Run(std::string("VGRAPH /GRAPHSPEC SOURCE=INLINE.\n") + kBlock);
  EXPECT_EQ(MessageTexts(none),
            std::vector<std::string>{"At least one dataset should be available for graph service."});
  EXPECT_TRUE(ItemsOfType(none, "graphService").empty());

  CommandRun two = Run(std::string("VGRAPH /GRAPHDATASET NAME=\"first\" VARIABLES=x /GRAPHDATASET NAME=\"last\" "
                                   "VARIABLES=name /GRAPHSPEC SOURCE=INLINE /GRAPHSPEC SOURCE=INLINE.\n") +
                       kBlock + kBlock);
  auto documents = ItemsOfType(two, "graphService");
  ASSERT_EQ(documents.size(), 4u) << "two specs, two split groups";
  for (const auto& document : documents) EXPECT_EQ(document["source"], "last");
}

// A set goes by an empty name and the index of the last single variable
// handed over before it in the spec, -1 when there was none yet.
TEST_F(GraphService, HandsASetOverWithTheIndexOfTheLastSingleVariableBeforeIt) {
  CommandRun run =
      Run(std::string("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=$ab x COUNT() /GRAPHSPEC SOURCE=INLINE.\n") + kBlock);
  EXPECT_TRUE(MessageTexts(run).empty());
  auto documents = ItemsOfType(run, "graphService");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0]["variables"],
            nlohmann::json::parse(R"([{"name": "", "index": -1}, {"name": "x", "index": 0}])"));
  EXPECT_EQ(documents[1]["variables"],
            nlohmann::json::parse(R"([{"name": "", "index": 0}, {"name": "x", "index": 0}])"));
}

TEST_F(GraphService, TakesARepeatedSourceAndPassesOverAnEmptyGraphSpec) {
  CommandRun run = Run(std::string("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x /GRAPHSPEC SOURCE=INLINE SOURCE=INLINE "
                                   "/GRAPHSPEC.\n") +
                       kBlock);
  EXPECT_EQ(MessageTexts(run), std::vector<std::string>{"Incomplete subCmd GRAPHSPEC."});
  EXPECT_EQ(ItemsOfType(run, "graphService").size(), 2u) << "one spec, two split groups";
}

TEST_F(GraphService, RefusesASetWithoutASummaryFunction) {
  CommandRun run = Run(std::string("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=$ab x /GRAPHSPEC SOURCE=INLINE.\n") + kBlock);
  EXPECT_EQ(MessageTexts(run),
            std::vector<std::string>{"An aggregation function must be specified when using multiple response sets."});
  EXPECT_TRUE(ItemsOfType(run, "graphService").empty());
}

// What follows the opening marker is the start of the options, without a line
// break and with the blanks that fill the line to its 256 characters.
TEST_F(GraphService, TheOptionsBeginWithTheRestOfTheOpeningLine) {
  CommandRun run = Run(
      "VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x /GRAPHSPEC SOURCE=INLINE.\n"
      "  BEGIN GRAPHSRV {\"chart\": \"line\",\n x\n}\nEND GRAPHSRV\n");
  auto documents = ItemsOfType(run, "graphService");
  ASSERT_EQ(documents.size(), 2u) << run.listing;
  std::string rest = " {\"chart\": \"line\",";
  rest.resize(256 - 2 - 14, ' ');
  EXPECT_EQ(documents[0]["options"], rest + " x\n}\n\n");
}

// Blank chart options give the service no document to send.
TEST_F(GraphService, ABlankBlockSendsNothing) {
  CommandRun run =
      Run("VGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x /GRAPHSPEC SOURCE=INLINE.\n"
          "BEGIN GRAPHSRV\n  \nEND GRAPHSRV\n");
  EXPECT_TRUE(MessageTexts(run).empty());
  EXPECT_TRUE(ItemsOfType(run, "graphService").empty());
}

}  // namespace
