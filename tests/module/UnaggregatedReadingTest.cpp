#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/GGraphVariable.h"
#include "tests/support/ReadRun.h"

namespace {

using Lines = std::vector<std::string>;
using Tables = std::vector<Lines>;

// x: 9 user-missing. g: labelled 1 and 2, 9 user-missing. s: width 3;
// c: width 1. q1, q2: the categories set $q.
const char* kSchema = R"({"fields": [
  {"name": "id", "type": "integer"},
  {"name": "x", "type": "number", "missingValues": ["9"]},
  {"name": "g", "type": "integer", "missingValues": ["9"],
   "categories": [{"value": 1, "label": "One"}, {"value": 2, "label": "Two"}]},
  {"name": "s", "type": "string", "width": 3},
  {"name": "c", "type": "string", "width": 1},
  {"name": "q1", "type": "integer", "measure": "nominal"},
  {"name": "q2", "type": "integer", "measure": "nominal"}],
  "multipleResponseSets": [{"name": "$q", "type": "categories", "variables": ["q1", "q2"]}]})";

const char* kCases =
    "id,x,g,s,c,q1,q2\n"
    "1,1.5,1,ab ,a,1,2\n"
    "2,9,2,cd,b,,\n"
    "3,2.5,9,,,1,\n"
    "4,3.5,2,ef,d,,\n"
    "5,,1,gh,e,2,1\n";

TEST(UnaggregatedReading, MissingValuesByTreatment) {
  struct Case {
    const char* options;
    Lines rows;
  };
  for (const Case& c : {
           // LISTWISE drops cases 2, 3 and 5; the kept rows stay consecutive.
           Case{"", {"id|x|g|$CASENUM", "1|1.5|1|1", "4|3.5|2|4"}},
           Case{"MISSING=VARIABLEWISE", {"id|x|g|$CASENUM", "1|1.5|1|1", "2|.|2|2", "3|2.5|.|3", "4|3.5|2|4", "5|.|1|5"}},
           Case{"MISSING=SETWISE", {"id|x|g|$CASENUM", "1|1.5|1|1", "2|.|2|2", "3|2.5|.|3", "4|3.5|2|4", "5|.|1|5"}},
           // Reported: the categorical level shows the value, the scale level the marker.
           Case{"REPORTMISSING=YES",
                {"id|x|g|$CASENUM", "1|1.5|1|1", "2|9|2|2", "3|2.5|9|3", "4|3.5|2|4", "5|.|1|5"}},
       }) {
    ReadRun run(kSchema, kCases, std::string("VARIABLES=id x g ") + c.options);
    EXPECT_EQ(run.Tables(), Tables{c.rows}) << c.options;
    EXPECT_EQ(run.result, c.rows.size() - 1) << c.options;
  }
  ReadRun levels(kSchema, kCases, "VARIABLES=id x[LEVEL=SCALE] g[LEVEL=NOMINAL] REPORTMISSING=YES");
  EXPECT_EQ(levels.Tables(), (Tables{{"id|x|g|$CASENUM", "1|1.5|1|1", "2|.|2|2", "3|2.5|9|3", "4|3.5|2|4", "5|.|1|5"}}));
  ReadRun scaleGroup(kSchema, kCases, "VARIABLES=g[LEVEL=SCALE] REPORTMISSING=YES");
  EXPECT_EQ(scaleGroup.Tables(), (Tables{{"g|$CASENUM", "1|1", "2|2", ".|3", "2|4", "1|5"}}));
}

TEST(UnaggregatedReading, ListwiseDropsACaseForASetOnlyWhenAllItsMembersAreMissing) {
  auto membersOfQ = [](GGraphDataSet& dataSet) {
    for (const auto& variable : dataSet.GetVariables())
      if (variable->GetVariableName() == "q1" || variable->GetVariableName() == "q2") variable->SetParentSetName("$q");
  };
  ReadRun run(kSchema, kCases, "VARIABLES=id q1 q2", membersOfQ);
  EXPECT_EQ(run.Tables(), (Tables{{"id|q1|q2|$CASENUM", "1|1|2|1", "3|1|.|3", "5|2|1|5"}}));
  EXPECT_EQ(run.result, 3u);
}

// A blank string cell, of any width, is the value "": never missing, never
// padded.
TEST(UnaggregatedReading, StringsLoseTrailingBlanksAndABlankIsTheValueEmpty) {
  for (const char* options : {"VARIABLES=s c", "VARIABLES=s c MISSING=VARIABLEWISE"}) {
    ReadRun run(kSchema, kCases, options);
    EXPECT_EQ(run.Tables(), (Tables{{"s|c|$CASENUM", "ab|a|1", "cd|b|2", "||3", "ef|d|4", "gh|e|5"}})) << options;
  }
}

TEST(UnaggregatedReading, CaseValueColumnsHoldCaseNumbersAndRecordTheirValues) {
  ReadRun run(kSchema, kCases, "VARIABLES=id CASEVALUE(x) MISSING=VARIABLEWISE");
  EXPECT_EQ(run.Tables(), (Tables{{"id|$CASENUM|CASEVALUE_x", "1|1|1", "2|2|.", "3|3|3", "4|4|4", "5|5|."}}));
  double code = 0;
  std::string text, label;
  ASSERT_TRUE(run.relabel.FindRelabel(1, 1, code, text, label));
  EXPECT_EQ(code, 3);
  EXPECT_EQ(text, "2.5");
  EXPECT_FALSE(run.relabel.FindRelabel(1, 3, code, text, label));
}

TEST(UnaggregatedReading, TheCaseLimitWarnsOnlyWhenACaseIsLeftOut) {
  ReadRun exact(kSchema, kCases, "VARIABLES=id MISSING=VARIABLEWISE CASELIMIT=5");
  EXPECT_EQ(exact.result, 5u);
  EXPECT_EQ(exact.Issued(), Messages{});
  ReadRun over(kSchema, kCases, "VARIABLES=id MISSING=VARIABLEWISE CASELIMIT=4");
  EXPECT_EQ(over.Tables(), (Tables{{"id|$CASENUM", "1|1", "2|2", "3|3", "4|4"}}));
  EXPECT_EQ(over.Issued(), (Messages{{2, "Only the first 4 cases from the g data set have been used."}}));
  ReadRun none(kSchema, kCases, "VARIABLES=id CASELIMIT=0");
  EXPECT_EQ(none.result, 5u);
  EXPECT_EQ(none.Issued(), Messages{});
}

TEST(UnaggregatedReading, ADataSetWithoutCasesGivesNoTable) {
  ReadRun run(kSchema, "id,x,g,s,c,q1,q2\n", "VARIABLES=id CASELIMIT=1");
  EXPECT_EQ(run.result, 0u);
  EXPECT_TRUE(run.Tables().empty());
  EXPECT_FALSE(run.Only()->containsSplits());
  EXPECT_EQ(run.Issued(), Messages{});
}


TEST(UnaggregatedReading, VarsToCasesStacksTheVariablesOfEachCase) {
  // Case 2 (x missing) and case 3 (g missing) leave no rows under LISTWISE;
  // the next kept case takes their place.
  ReadRun run(kSchema, kCases, "VARIABLES=x g s TRANSFORM=VARSTOCASES");
  EXPECT_EQ(run.Tables(), (Tables{{"#SUMMARY|#INDEX|$CASENUM", "1.5|0|1", "1|1|1", "ab|2|1", "3.5|0|4", "2|1|4",
                                   "ef|2|4"}}));
  EXPECT_EQ(run.result, 2u);
  ReadRun variablewise(kSchema, kCases, "VARIABLES=x g TRANSFORM=VARSTOCASES(SUMMARY=\"v\" INDEX=\"i\") "
                                        "MISSING=VARIABLEWISE CASELIMIT=2");
  EXPECT_EQ(variablewise.Tables(), (Tables{{"v|i|$CASENUM", "1.5|0|1", "1|1|1", ".|0|2", "2|1|2"}}));
}

}  // namespace
