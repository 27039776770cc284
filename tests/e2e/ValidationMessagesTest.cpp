#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RunCommands.h"

namespace {

const std::string kPbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";

struct Case {
  const char* name;
  std::string commands;
  const char* message;
};

// A refused command ends with its one message, and nothing else reaches the output.
TEST(ValidationMessages, EndTheCommandWithoutCharts) {
  EngineOptions options;
  options.dataPath = kPbc;
  const std::vector<Case> cases = {
      {"no GRAPHSPEC", "GGRAPH /GRAPHDATASET NAME=g VARIABLES=trt.\n",
       "The GGRAPH command must contain at least one GRAPHSPEC subcommand."},
      {"set without a summary function",
       "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$signs trt /GRAPHSPEC SOURCE=INLINE.\n"
       "BEGIN GPL\n"
       "  ELEMENT: interval(position(summary.count(trt)))\n"
       "END GPL\n",
       "An aggregation function must be specified when using multiple response sets."},
      {"mapping of a data set not defined",
       "GGRAPH /GRAPHDATASET NAME=g VARIABLES=trt\n"
       "  /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(categories=trt[DATASET='h'])).\n",
       "The specified dataset h does not exist."},
      {"data map without a key",
       "GGRAPH /GRAPHDATASET NAME=g VARIABLES=trt\n"
       "  /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=trt))"
       " VIZMAP='world.smz'[LOCATION=LOCAL TYPE=DATA].\n",
       "A map must be specified..."},
  };
  for (const Case& c : cases) {
    CommandRun run = RunCommands(c.commands, options);
    std::vector<nlohmann::json> messages = ItemsOfType(run, "message");
    ASSERT_EQ(messages.size(), 1u) << c.name << "\n" << run.listing;
    EXPECT_EQ(messages[0]["text"], c.message) << c.name;
    EXPECT_EQ(messages[0]["level"], 3) << c.name;
    EXPECT_TRUE(ItemsOfType(run, "chart").empty()) << c.name;
  }
}

}  // namespace
