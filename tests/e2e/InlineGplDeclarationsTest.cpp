// The SOURCE and DATA declarations that inline GPL receives for the one graph
// data set of its command, read back from the chart that is sent.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

std::string Data(const std::string& name, const std::string& source = "s", bool category = false) {
  return "\n  DATA: " + name + "=col(source(" + source + "),name(\"" + name + "\")" +
         (category ? ", unit.category()" : "") + ")";
}

std::string Source(const std::string& dataSet, const std::string& variable = "s") {
  return "\n  SOURCE:" + variable + "=userSource(id(\"" + dataSet + "\"))";
}

struct Case {
  const char* name;
  std::string subcommands;  // before the inline block
  std::string gpl;          // the block's lines, each ending in a line break
  std::string appended;
};

// The working data: region (nominal, labelled) and income (scale), weighted
// by w, so that unaggregated data sets also hold $CASENUM and $WEIGHT.
TEST(InlineGplDeclarations, CompleteTheChartOfTheOnlyDataSet) {
  DataFiles files;
  EngineOptions options;
  options.dataPath = WritePackage(files, R"({"fields": [
      {"name": "region", "type": "integer", "measure": "nominal",
       "categories": [{"value": 1, "label": "North"}, {"value": 2, "label": "South"}]},
      {"name": "income", "type": "number"}, {"name": "w", "type": "number"}],
      "weightVariable": "w"})",
                                  "region,income,w\n1,10,1\n2,20,2\n");
  const std::string element = "ELEMENT: point(position(region*income))\n";
  const std::string sales = "/GRAPHDATASET NAME=\"sales\" VARIABLES=region income ";
  const std::vector<Case> cases = {
      {"nothing declared", sales, element, Source("sales") + Data("region", "s", true) + Data("income")},
      {"own DATA kept, own source variable used", sales,
       "SOURCE: src = userSource(id(\"sales\"))\nDATA: region = col(source(src), name(\"region\"))\n" + element,
       Data("income", "src")},
      {"a SOURCE that is no userSource", sales, "SOURCE: s = csvSource(file(\"a.csv\"))\n" + element, ""},
      // A line names one declaration: its first quoted text, here the source's id.
      {"all on one line", sales,
       "SOURCE: s=userSource(id(\"sales\")) DATA: region=col(source(s), name(\"region\")) " + element,
       Data("region", "s", true) + Data("income")},
      {"summary functions", "/GRAPHDATASET NAME=\"means\" VARIABLES=region MEAN(income)[NAME=\"m\"] COUNT() ", element,
       Source("means") + Data("region", "s", true) + Data("m") + Data("COUNT")},
      {"two data sets: which one is meant is unknown", sales + "/GRAPHDATASET NAME=\"other\" VARIABLES=income ",
       element, ""},
  };
  for (const Case& c : cases) {
    CommandRun run =
        RunCommands("GGRAPH " + c.subcommands + "/GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\n" + c.gpl + "END GPL\n", options,
                    files.Path(""));
    auto charts = ItemsOfType(run, "chart");
    ASSERT_EQ(charts.size(), 1u) << c.name << "\n" << run.listing;
    EXPECT_EQ(charts[0]["gpl"], c.gpl + c.appended) << c.name;
  }
}

// A GPL fault is placed in the user's own lines, not in the declarations
// added after them.
TEST(InlineGplDeclarations, AFaultIsPlacedInTheUsersLines) {
  DataFiles files;
  EngineOptions options;
  options.dataPath = WritePackage(files, R"({"fields": [{"name": "income", "type": "number"}]})", "income\n10\n");
  CommandRun run = RunCommands(
      "GGRAPH /GRAPHDATASET NAME=\"d\" VARIABLES=income /GRAPHSPEC SOURCE=INLINE.\n"
      "BEGIN GPL\nELEMENT: point(position(income*income)\nEND GPL\n",
      options);
  auto messages = ItemsOfType(run, "message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["text"],
            "The GPL gives no chart: line 1, column 39: expected ',' or ')' but found the end of the line.");
}

}  // namespace
