#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/ReadRun.h"

namespace {

using Lines = std::vector<std::string>;
using Tables = std::vector<Lines>;

// g: labelled 1 and 2, 9 unlabelled; s: strings; $q: the categories of q1, q2.
const char* kSchema = R"({"fields": [
  {"name": "id", "type": "integer"},
  {"name": "g", "type": "integer", "categories": [{"value": 1, "label": "One"}, {"value": 2, "label": "Two"}]},
  {"name": "s", "type": "string", "width": 4, "categories": [{"value": "cd", "label": "Cee dee"}]},
  {"name": "q1", "type": "integer", "measure": "nominal"},
  {"name": "q2", "type": "integer", "measure": "nominal"}],
  "multipleResponseSets": [{"name": "$q", "type": "categories", "variables": ["q1", "q2"]}]})";

const char* kCases =
    "id,g,s,q1,q2\n"
    "1,1,ab,1,2\n"
    "2,2,cd,3,\n"
    "3,9,ab,1,\n"
    "4,2,ef,,3\n"
    "5,1,cd,2,1\n";

std::string NotFound(const std::string& value, const std::string& variable) {
  return "Specified value " + value + " for variable " + variable +
         " on DATAFILTER keyword of subcommand GRAPHDATASET is not found in the data.";
}

TEST(DataFilters, KeepTheCasesWhoseValuesPass) {
  struct Case {
    const char* filter;
    Lines ids;
  };
  for (const Case& c : {
           Case{"g(VALUES=1 UNLABELED=EXCLUDE)", {"1", "5"}},
           // By number as well as by text.
           Case{"g(VALUES=2.0 1 UNLABELED=EXCLUDE)", {"2", "4", "1", "5"}},
           // Unlabelled values pass unless excluded.
           Case{"g(VALUES=2)", {"2", "3", "4"}},
           Case{"g(VALUES=ALL UNLABELED=EXCLUDE)", {"1", "2", "3", "4", "5"}},
           Case{"s(VALUES='ab' UNLABELED=EXCLUDE)", {"1", "3"}},
           Case{"s(VALUES='cd')", {"1", "2", "3", "4", "5"}},
           Case{"s(VALUES='ab')", {"1", "3", "4"}},
           // A set passes when any member passes.
           Case{"$q(VALUES=2 UNLABELED=EXCLUDE)", {"1", "5"}},
           Case{"g(VALUES=1 2 UNLABELED=EXCLUDE) s(VALUES='cd' UNLABELED=EXCLUDE)", {"2", "5"}},
       }) {
    ReadRun run(kSchema, kCases, std::string("VARIABLES=id $q MISSING=VARIABLEWISE DATAFILTER=") + c.filter);
    Tables tables = run.Tables();
    ASSERT_EQ(tables.size(), 1u) << c.filter;
    Lines ids;
    for (std::size_t row = 1; row < tables[0].size(); ++row) ids.push_back(tables[0][row].substr(0, 1));
    std::sort(ids.begin(), ids.end());
    Lines expected = c.ids;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ids, expected) << c.filter;
    EXPECT_EQ(run.result, expected.size()) << c.filter;
  }
}

TEST(DataFilters, ReportValuesNeverSeenAndDataAllExcluded) {
  ReadRun partly(kSchema, kCases, "VARIABLES=id DATAFILTER=g(VALUES=1 7 ALL)");
  EXPECT_EQ(partly.result, 5u);
  EXPECT_EQ(partly.Issued(), (Messages{{2, NotFound("7", "g")}}));

  ReadRun none(kSchema, kCases, "VARIABLES=id DATAFILTER=g(VALUES=7 UNLABELED=EXCLUDE) s(VALUES='zz')");
  EXPECT_EQ(none.result, 0u);
  EXPECT_EQ(none.Tables(), (Tables{{"id|$CASENUM"}}));
  EXPECT_EQ(none.Issued(), (Messages{{3, "No data to graph because all values of filter field g s have been excluded."},
                                     {2, NotFound("7", "g")},
                                     {2, NotFound("zz", "s")}}));
}

// grp splits the file; its last group is missing. v: 9 user-missing.
const char* kSplitSchema = R"({"fields": [
  {"name": "grp", "type": "integer", "title": "Group",
   "categories": [{"value": 1, "label": "Low"}, {"value": 2, "label": "High"}]},
  {"name": "id", "type": "integer"},
  {"name": "v", "type": "number"}],
  "splitVariables": ["grp"]})";

const char* kSplitCases =
    "grp,id,v\n"
    "1,1,10\n"
    "1,2,20\n"
    "1,3,30\n"
    "2,4,40\n"
    "2,5,50\n"
    ",6,60\n";

TEST(SplitGroups, EachGroupHasItsTableAndDescription) {
  ReadRun run(kSplitSchema, kSplitCases, "VARIABLES=id v");
  EXPECT_EQ(run.Tables(), (Tables{{"id|v|$CASENUM", "1|10|1", "2|20|2", "3|30|3"}, {"id|v|$CASENUM", "4|40|4", "5|50|5"}}));
  GGraphDataSet& dataSet = *run.Only();
  EXPECT_TRUE(dataSet.containsSplits());
  dataSet.ResetDataCursor();
  Lines categories;
  while (dataSet.getData()) {
    EXPECT_EQ(dataSet.getSplitNames(), Lines{"grp"});
    EXPECT_EQ(dataSet.getSplitLabels(), Lines{"Group"});
    categories.push_back(dataSet.getSplitCategories().at(0));
  }
  EXPECT_EQ(categories, (Lines{"Low", "High"}));
  EXPECT_EQ(run.result, 5u);
}

TEST(SplitGroups, TheRowsOfEveryGroupCountAlsoWhenTheLastGroupKeepsNone) {
  // The result tells the procedure whether there are cases to chart at all.
  ReadRun run(kSplitSchema, "grp,id,v\n1,1,10\n2,2,\n", "VARIABLES=id v");
  EXPECT_EQ(run.Tables(), (Tables{{"id|v|$CASENUM", "1|10|1"}, {"id|v|$CASENUM"}}));
  EXPECT_EQ(run.result, 1u);
}

TEST(SplitGroups, AGroupWithAMissingSplitValueIsReadOnlyWhenMissingValuesAreReported) {
  ReadRun run(kSplitSchema, kSplitCases, "VARIABLES=id REPORTMISSING=YES");
  ASSERT_EQ(run.Tables().size(), 3u);
  EXPECT_EQ(run.Tables()[2], (Lines{"id|$CASENUM", "6|6"}));
  GGraphDataSet& dataSet = *run.Only();
  dataSet.ResetDataCursor();
  for (int group = 0; group < 3; ++group) dataSet.getData();
  EXPECT_EQ(dataSet.getSplitCategories(), Lines{"Missing"});
}

TEST(SplitGroups, AFilterOnTheSplitVariableRemovesWholeGroups) {
  ReadRun run(kSplitSchema, kSplitCases, "VARIABLES=id DATAFILTER=grp(VALUES=2 3 UNLABELED=EXCLUDE)");
  EXPECT_EQ(run.Tables(), (Tables{{"id|$CASENUM", "4|4", "5|5"}}));
  EXPECT_EQ(run.result, 2u);
  EXPECT_EQ(run.Issued(), (Messages{{2, NotFound("3", "grp")}}));
}

TEST(SplitGroups, TheCaseLimitCountsPerGroupAndEndsTheReadingOfAllGroups) {
  ReadRun within(kSplitSchema, kSplitCases, "VARIABLES=id CASELIMIT=3");
  EXPECT_EQ(within.Tables().size(), 1u);
  ReadRun reached(kSplitSchema, kSplitCases, "VARIABLES=id CASELIMIT=2");
  EXPECT_EQ(reached.Tables(), (Tables{{"id|$CASENUM", "1|1", "2|2"}}));
  EXPECT_EQ(reached.Issued(), (Messages{{2, "Only the first 2 cases from the g data set have been used."}}));
}

}  // namespace
