#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

#include "tests/support/RunCli.h"
#include "tests/support/RunCommands.h"

namespace {

const std::string kExamples = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/";

TEST(Describe, ShowsEveryDictionaryFeatureOfTheBundledExamples) {
  struct Case {
    const char* package;
    std::vector<const char*> shown;
  };
  for (const Case& c : {
           Case{"pbc", {"Cases: 418", "Weight: none", "trt       numeric      F8.0        nominal  \"Treatment\"",
                        "value labels: 1 \"D-penicillamine\"; 2 \"Placebo\"; 9 \"Not randomized\"",
                        "user-missing: 9", "sex       string(1)    A1", "edema     numeric      F3.1        ordinal",
                        "$signs  dichotomies, counted value '1'  \"Clinical signs present\"",
                        "variables: ascites hepato spiders"}},
           Case{"airquality", {"Cases: 153", "Split by: Month", "Date     numeric      DATE10",
                               "Month    numeric      F8.0        ordinal"}},
           Case{"titanic", {"Cases: 32", "Weight: Freq", "Split by: Sex", "'Crew' \"Crew\""}},
           Case{"haireyecolor", {"$colours  categories  \"Hair and eye colours\"", "variables: Hair Eye"}},
       }) {
    CliResult result = RunCli("describe --data " + kExamples + c.package);
    EXPECT_EQ(result.status, 0) << c.package << "\n" << result.output;
    for (const char* text : c.shown) EXPECT_NE(result.output.find(text), std::string::npos) << c.package << ": " << text;
  }
}

TEST(Describe, WritesTheDictionaryAsJson) {
  CliResult result = RunCli("describe --json --data " + kExamples + "titanic/datapackage.json", true);
  ASSERT_EQ(result.status, 0);
  nlohmann::json dictionary = nlohmann::json::parse(result.output);
  EXPECT_EQ(dictionary["cases"], 32);
  EXPECT_EQ(dictionary["weight"], "Freq");
  EXPECT_EQ(dictionary["splitVariables"], nlohmann::json::array({"Sex"}));
  const nlohmann::json& survived = dictionary["variables"][3];
  EXPECT_EQ(survived["name"], "Survived");
  EXPECT_EQ(survived["type"], "string");
  EXPECT_EQ(survived["width"], 3);
  EXPECT_EQ(survived["format"], "A3");
  EXPECT_EQ(survived["valueLabels"][1], nlohmann::json({{"value", "Yes"}, {"label", "Survived"}}));
}

TEST(Describe, APlainCsvNeedsNoDictionary) {
  CliResult result = RunCli("describe --data " + kExamples + "iris.csv");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("Cases: 150"), std::string::npos);
  EXPECT_NE(result.output.find("Sepal.Length  numeric      F8.1        scale"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Species       string(10)   A10         nominal"), std::string::npos) << result.output;
}

TEST(Describe, AFileThatCannotBeUsedExitsWithOneAndItsFault) {
  std::string path = ::testing::TempDir() + "describe-broken.csv";
  std::ofstream(path) << "a,b\n1,2\n3\n";
  CliResult result = RunCli("describe --data " + path);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("error: " + path + ", line 3, column 2: expected 2 fields, found 1"), std::string::npos)
      << result.output;
}

TEST(DataOptions, DataSetNamesMustBeNamesTheEngineAccepts) {
  for (const char* name : {"1abc", "a b", "TO"}) {
    CliResult result = RunCli(std::string("run - --dataset '") + name + "=x.csv' < /dev/null");
    EXPECT_EQ(result.status, 2) << name << ": " << result.output;
  }
}

TEST(DataOptions, WorkingDataThatCannotBeUsedStopsTheProcedureWithItsFault) {
  std::string path = ::testing::TempDir() + "run-broken.csv";
  std::ofstream(path) << "a,b\n1,\"2\n";
  EngineOptions options;
  options.dataPath = path;
  CommandRun run = RunCommands("GGRAPH /FITLINE TOTAL=YES.\n", options);
  auto messages = ItemsOfType(run, "message");
  ASSERT_EQ(messages.size(), 1u) << run.listing;
  EXPECT_EQ(messages[0]["level"], 3);
  EXPECT_EQ(messages[0]["text"], path + ", line 2, column 2: the quoted value is not closed");
}

}  // namespace
