#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/RunCommands.h"

namespace {

const std::string kExamples = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/";

std::string Command(const std::string& graphDataSet) {
  return "GGRAPH /GRAPHDATASET " + graphDataSet +
         " /GRAPHSPEC SOURCE=INLINE.\n"
         "BEGIN GPL\n"
         "  SOURCE: s = userSource(id(\"g\"))\n"
         "  DATA: x = col(source(s), name(\"x\"))\n"
         "  ELEMENT: point(position(x))\n"
         "END GPL\n";
}

CommandRun RunWithDebug(const std::string& commands, const std::string& dataPath) {
  EngineOptions options;
  options.dataPath = dataPath;
  options.debug = true;
  return RunCommands(commands, options);
}

std::vector<std::string> Texts(const std::vector<nlohmann::json>& items) {
  std::vector<std::string> texts;
  for (const auto& item : items) texts.push_back(item["text"]);
  return texts;
}

TEST(GraphDataReading, WithoutValidCasesTheProcedureEndsAtOnce) {
  std::string path = ::testing::TempDir() + "reading-no-valid-cases.csv";
  std::ofstream(path) << "x,y\n,1\n,2\n";
  CommandRun run = RunWithDebug(Command("NAME=\"g\" VARIABLES=x"), path);
  auto messages = ModuleMessages(run);
  ASSERT_EQ(messages.size(), 1u) << run.listing;
  EXPECT_EQ(messages[0]["level"], 2);
  EXPECT_EQ(messages[0]["text"], "There are no valid cases...");
  EXPECT_EQ(Texts(ItemsOfType(run, "debug")), std::vector<std::string>{"Starting GGraph Procedure"});
  EXPECT_EQ(ItemsOfType(run, "procedure").size(), 1u);
}

TEST(GraphDataReading, TheBundledDataYieldCases) {
  struct Case {
    const char* package;
    const char* graphDataSet;
  };
  for (const Case& c : {
           Case{"titanic", "NAME=\"g\" VARIABLES=Class COUNT()"},
           Case{"airquality", "NAME=\"g\" VARIABLES=Day MEAN(Temp)"},
           Case{"pbc", "NAME=\"g\" VARIABLES=age bili"},
           Case{"haireyecolor", "NAME=\"g\" VARIABLES=Hair Eye COUNT()"},
       }) {
    CommandRun run = RunWithDebug(Command(c.graphDataSet), kExamples + c.package);
    EXPECT_TRUE(ModuleMessages(run).empty()) << c.package << "\n" << run.listing;
    EXPECT_EQ(Texts(ItemsOfType(run, "debug")),
              (std::vector<std::string>{"Starting GGraph Procedure", "Ending GGraph Procedure"}))
        << c.package;
  }
}

TEST(GraphDataReading, TheReadingReportsReachTheOutput) {
  using Reports = std::vector<std::pair<int, std::string>>;
  const std::string notFound =
      " for variable trt on DATAFILTER keyword of subcommand GRAPHDATASET is not found in the data.";
  struct Case {
    const char* graphDataSet;
    Reports reports;
  };
  for (const Case& c : {
           Case{"NAME=\"g\" VARIABLES=age CASELIMIT=10",
                {{2, "Only the first 10 cases from the g data set have been used."}}},
           Case{"NAME=\"g\" VARIABLES=age DATAFILTER=trt(VALUES=1 7)", {{2, "Specified value 7" + notFound}}},
           // Nothing passes: the data set yields no case and the procedure ends.
           Case{"NAME=\"g\" VARIABLES=age DATAFILTER=trt(VALUES=7 UNLABELED=EXCLUDE)",
                {{3, "No data to graph because all values of filter field trt have been excluded."},
                 {2, "Specified value 7" + notFound},
                 {2, "There are no valid cases..."}}},
           Case{"NAME=\"g\" VARIABLES=sex MEAN(age) DATAFILTER=trt(VALUES=7 UNLABELED=EXCLUDE)",
                {{3, "No data to graph because all values of filter field trt have been excluded."},
                 {2, "Specified value 7" + notFound},
                 {2, "There are no valid cases..."}}},
       }) {
    CommandRun run = RunWithDebug(Command(c.graphDataSet), kExamples + "pbc");
    Reports reports;
    for (const auto& message : ModuleMessages(run)) reports.emplace_back(message["level"], message["text"]);
    EXPECT_EQ(reports, c.reports) << c.graphDataSet << "\n" << run.listing;
  }
}

}  // namespace
