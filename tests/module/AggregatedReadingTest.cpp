#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CtaDistFun.h"
#include "model/GGraphStatistic.h"
#include "tests/support/ReadRun.h"

namespace {

using Lines = std::vector<std::string>;
using Tables = std::vector<Lines>;

const char* kSchema = R"({"fields": [
  {"name": "a", "type": "integer", "measure": "nominal"},
  {"name": "b", "type": "integer", "measure": "nominal"},
  {"name": "v", "type": "number"},
  {"name": "t", "type": "string", "width": 3, "measure": "nominal"}]})";

// a has 3 categories, b has 4; five of the twelve cells hold cases.
const char* kCases =
    "a,b,v,t\n"
    "1,1,2,x\n"
    "1,2,4,x\n"
    "1,2,6,\n"
    "2,1,8,y\n"
    "3,4,10,y\n"
    "3,3,12,\n"
    "2,1,14,x\n";

TEST(AggregatedReading, CellsFollowTheBreakVariablesFirstVaryingSlowest) {
  ReadRun run(kSchema, kCases, "VARIABLES=a b COUNT()");
  EXPECT_EQ(run.Tables(), (Tables{{"a|b|COUNT", "1|1|1", "1|2|2", "2|1|2", "3|3|1", "3|4|1"}}));
  EXPECT_EQ(run.result, 5u);
}

TEST(AggregatedReading, WithoutBreakVariablesOnlyStatisticsOverAVariableAggregate) {
  ReadRun mean(kSchema, kCases, "VARIABLES=MEAN(v)");
  EXPECT_EQ(mean.Tables(), (Tables{{"MEAN_v", "8"}}));
  ReadRun count(kSchema, kCases, "VARIABLES=COUNT()");
  EXPECT_EQ(count.result, 0u);
  EXPECT_TRUE(count.Tables().empty());
  EXPECT_EQ(count.Issued(), (Messages{{3, "Function must have at least one break variable specified"}}));
}

TEST(AggregatedReading, VarsToCasesGivesOneRowPerStatistic) {
  ReadRun run(kSchema, kCases, "VARIABLES=a MEAN(v) MAXIMUM(v) COUNT() TRANSFORM=VARSTOCASES");
  EXPECT_EQ(run.Tables(), (Tables{{"a|#SUMMARY|#INDEX", "1|4|0", "1|6|1", "1|3|2", "2|11|0", "2|14|1", "2|2|2",
                                   "3|11|0", "3|12|1", "3|2|2"}}));
  EXPECT_EQ(run.result, 9u);
}

// A blank string cell is the category "", counted like any other.
TEST(AggregatedReading, ABlankStringIsACategoryLikeAnyOther) {
  for (const char* options : {"VARIABLES=t COUNT()", "VARIABLES=t COUNT() REPORTMISSING=YES"}) {
    ReadRun run(kSchema, kCases, options);
    EXPECT_EQ(run.Tables(), (Tables{{"t|COUNT", "|2", "x|3", "y|2"}})) << options;
  }
}

TEST(AggregatedReading, TheCaseLimitCountsTheCasesAggregated) {
  ReadRun run(kSchema, kCases, "VARIABLES=a COUNT() CASELIMIT=3");
  EXPECT_EQ(run.Tables(), (Tables{{"a|COUNT", "1|3"}}));
  EXPECT_EQ(run.Issued(), (Messages{{2, "Only the first 3 cases from the g data set have been used."}}));
}

TEST(AggregatedReading, CountErrorBarsTakeTheTotalOverTheLastBreakVariableOnce) {
  ReadRun run(kSchema, kCases, "VARIABLES=a b COUNTCI(90)");
  Tables tables = run.Tables();
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0].size(), 6u);
  // Cell a=1, b=1 holds 1 of the 3 cases with a=1; cell a=3, b=3 holds 1
  // of the 2 cases with a=3.
  auto row = [](const char* cell, double count, double total) {
    auto bound = [&](double tail) { return total * CtaDistFun::IdfBet(tail, count + 0.5, total - count + 0.5); };
    char text[96];
    std::snprintf(text, sizeof text, "%s|%.10g|%.10g|%.10g", cell, count, bound(0.05), bound(0.95));
    return std::string(text);
  };
  EXPECT_EQ(tables[0][1], row("1|1", 1, 3));
  EXPECT_EQ(tables[0][4], row("3|3", 1, 2));
}

TEST(AggregatedReading, AnIntervalBoundThatDoesNotExistIsMissing) {
  // Three values are too few for a 95% interval of the median; eight are not.
  const char* cases = "a,b,v,t\n1,1,1,x\n1,1,2,x\n1,1,3,x\n2,1,1,x\n2,1,2,x\n2,1,3,x\n2,1,4,x\n2,1,5,x\n"
                      "2,1,6,x\n2,1,7,x\n2,1,8,x\n";
  ReadRun run(kSchema, cases, "VARIABLES=a MEDIANCI(v, 95)");
  Tables tables = run.Tables();
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0].size(), 3u);
  EXPECT_EQ(tables[0][1].substr(0, 8), "1|2|.|.");
  EXPECT_EQ(tables[0][2], "2|4.5|1|8");
  EXPECT_TRUE(run.Only()->GetStatistics()[0]->HasMissingBound());
}

const char* kSplitSchema = R"({"fields": [
  {"name": "grp", "type": "integer"},
  {"name": "a", "type": "integer", "measure": "nominal"},
  {"name": "v", "type": "number"}],
  "splitVariables": ["grp"]})";

TEST(AggregatedReading, EachSplitGroupHasTheCellsOfItsOwnCases) {
  ReadRun run(kSplitSchema, "grp,a,v\n1,1,2\n1,2,4\n1,1,6\n2,2,8\n", "VARIABLES=a MEAN(v)");
  EXPECT_EQ(run.Tables(), (Tables{{"a|MEAN_v", "1|4", "2|4"}, {"a|MEAN_v", "2|8"}}));
  EXPECT_EQ(run.result, 3u);
  EXPECT_TRUE(run.Only()->containsSplits());
}

TEST(AggregatedReading, FiltersDecideWhichCasesAreAggregated) {
  ReadRun run(kSchema, kCases, "VARIABLES=a COUNT() DATAFILTER=b(VALUES=1 UNLABELED=EXCLUDE)");
  EXPECT_EQ(run.Tables(), (Tables{{"a|COUNT", "1|1", "2|2"}}));
  ReadRun none(kSchema, kCases, "VARIABLES=a COUNT() DATAFILTER=b(VALUES=7 UNLABELED=EXCLUDE)");
  EXPECT_EQ(none.result, 0u);
  EXPECT_EQ(none.Issued(),
            (Messages{{3, "No data to graph because all values of filter field b have been excluded."},
                      {2, "Specified value 7 for variable b on DATAFILTER keyword of subcommand GRAPHDATASET is not "
                          "found in the data."}}));
}


TEST(AggregatedReading, ADichotomySetBreaksByItsMembers) {
  const char* schema = R"({"fields": [
    {"name": "d1", "type": "integer", "title": "Online"},
    {"name": "d2", "type": "integer", "title": "By phone"}],
    "multipleResponseSets": [{"name": "$d", "type": "dichotomies", "variables": ["d1", "d2"], "countedValue": "1"}]})";
  ReadRun run(schema, "d1,d2\n1,0\n1,1\n0,1\n1,0\n", "VARIABLES=$d COUNT()");
  EXPECT_EQ(run.Tables(), (Tables{{"$d|COUNT", "d1|3", "d2|2"}}));
}

TEST(AggregatedReading, TheBundledTitanicDataGiveWeightedCountsPerSex) {
  ReadRun run(ReadRun::Bundled{"titanic"}, "VARIABLES=Class COUNT()");
  EXPECT_EQ(run.Tables(), (Tables{{"Class|COUNT", "1st|180", "2nd|179", "3rd|510", "Crew|862"},
                                  {"Class|COUNT", "1st|145", "2nd|106", "3rd|196", "Crew|23"}}));
  GGraphDataSet& dataSet = *run.Only();
  dataSet.ResetDataCursor();
  dataSet.getData();
  EXPECT_EQ(dataSet.getSplitCategories(), Lines{"Male"});
}

}  // namespace
