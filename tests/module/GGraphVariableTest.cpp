#include "model/GGraphVariable.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "VarDataProcessor.h"
#include "model/VariableResolver.h"
#include "tests/support/ModuleSession.h"
#include "tests/support/TestDataSource.h"

// Found by argument-dependent lookup, so beside the type.
static bool operator==(const VarDataValue& a, const VarDataValue& b) {
  return a.kind == b.kind && a.number == b.number && a.text == b.text;
}

static void PrintTo(const VarDataValue& v, std::ostream* out) {
  *out << (v.kind == VarDataValue::Kind::kNumber ? std::to_string(v.number) : "\"" + v.text + "\"");
}

namespace {

class GraphVariableTest : public ::testing::Test {
 protected:
  GraphVariableTest() {
    data.AddNumeric("grade").Label("School grade").ValueLabel(1, "One").ValueLabel(2, "Two\\nlines");
    data.AddString("code", 4).ValueLabel("a", "Alpha\\nBeta");
    data.AddNumeric("plain");
    data.AddSet({"$set", VariableSet::kCategories, "Grades", {"grade"}, ""});
    data.AddSet({"$nolabel", VariableSet::kCategories, "", {"grade"}, ""});
  }

  VariableResolver* Resolved(const std::string& name) {
    auto* resolver = new VariableResolver;
    resolver->resolveVariable(&data, name);
    return resolver;
  }

  TestDataSource data;
};

struct Names {
  std::string name;
  std::string gplName;
  std::string unicodeName;
  std::string label;
};

void ExpectNames(const GGraphVariable& v, const Names& expected) {
  EXPECT_EQ(v.GetVariableName(), expected.name);
  EXPECT_EQ(v.GetGPLName(), expected.gplName);
  EXPECT_EQ(v.GetVariableUnicodeName(), expected.unicodeName);
  EXPECT_EQ(v.GetLabel(), expected.label);
}

TEST_F(GraphVariableTest, TakesItsNamesFromWhatTheResolverBound) {
  ExpectNames(GGraphVariable(Resolved("grade")), {"grade", "grade", "grade", "School grade"});
  ExpectNames(GGraphVariable(Resolved("plain")), {"plain", "plain", "plain", "plain"});
  // A set is named by its label, or by its name when it has none.
  ExpectNames(GGraphVariable(Resolved("$SET")), {"Grades", "Grades", "Grades", "Grades"});
  ExpectNames(GGraphVariable(Resolved("$nolabel")), {"$nolabel", "$nolabel", "$nolabel", "$nolabel"});
  ExpectNames(GGraphVariable(nullptr), {"", "", "", ""});
}

TEST_F(GraphVariableTest, SystemVariablesAreNamedByTheirKind) {
  GGraphVariable caseNumber(SYSVAR_CASENUM, nullptr);
  ExpectNames(caseNumber, {"$CASENUM", "$CASENUM", "$CASENUM", "$CASENUM"});
  EXPECT_TRUE(caseNumber.IsCaseNumber());
  EXPECT_FALSE(caseNumber.IsWeight());

  VariableResolver* weightResolver = Resolved("plain");
  GGraphVariable weight(SYSVAR_WEIGHT, weightResolver);
  EXPECT_EQ(weight.GetGPLName(), "$WEIGHT");
  EXPECT_EQ(weight.GetVariableUnicodeName(), "$WEIGHT");
  EXPECT_TRUE(weight.IsWeight());
  EXPECT_EQ(weight.GetResolver(), weightResolver);

  ExpectNames(GGraphVariable(static_cast<SYSVAR>(7), nullptr), {"", "", "", ""});
}

TEST_F(GraphVariableTest, GplLabelRenamesTheColumnButNotTheVariable) {
  GGraphVariable v(Resolved("grade"));
  v.SetGPLLabel("Größe");
  ExpectNames(v, {"grade", "Größe", "Größe", "School grade"});
}

TEST_F(GraphVariableTest, KeepsLevelParentSetAndStringness) {
  GGraphVariable code(Resolved("code"));
  EXPECT_TRUE(code.IsStringVariable());
  EXPECT_FALSE(GGraphVariable(Resolved("grade")).IsStringVariable());
  EXPECT_FALSE(GGraphVariable(nullptr).IsStringVariable());

  EXPECT_EQ(code.GetLevel(), 0);
  code.SetLevel(2);
  EXPECT_EQ(code.GetLevel(), 2);
  EXPECT_FALSE(code.HasParentSetName());
  code.SetParentSetName("$set");
  EXPECT_TRUE(code.HasParentSetName());
  EXPECT_EQ(code.GetParentSetName(), "$set");
}

int LabelingNumber(const std::string& name) {
  const std::string prefix = "labelingVariable_";
  EXPECT_EQ(name.substr(0, prefix.size()), prefix);
  return std::stoi(name.substr(prefix.size()));
}

TEST(LabelingVariableName, CountsOnAcrossVariablesAndCommands) {
  int first = 0;
  {
    ModuleSession command("GGRAPH.");
    GGraphVariable v(nullptr);
    first = LabelingNumber(v.MakeLabelingVariableName());
    EXPECT_EQ(v.GetLabelingVariableName(), "labelingVariable_" + std::to_string(first));
  }
  ModuleSession nextCommand("GGRAPH.");
  GGraphVariable v(nullptr);
  EXPECT_EQ(LabelingNumber(v.MakeLabelingVariableName()), first + 1);
  EXPECT_EQ(LabelingNumber(v.MakeLabelingVariableName()), first + 2);
}

TEST(LabelingVariableName, StartsAtZeroInAFreshModule) {
  // The threadsafe style runs the statement in a newly started process.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        GGraphVariable v(nullptr);
        bool zero = v.MakeLabelingVariableName() == "labelingVariable_0";
        bool one = v.MakeLabelingVariableName() == "labelingVariable_1";
        std::exit(zero && one ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// A data-table cell as written.
VarDataValue Number(double value) { return {VarDataValue::Kind::kNumber, value, ""}; }
VarDataValue Text(const std::string& text) { return {VarDataValue::Kind::kText, 0, text}; }

TEST_F(GraphVariableTest, ColumnsNeedATableAndANameAndComeBeforeAnyWrite) {
  GGraphVariable v(Resolved("grade"));
  EXPECT_FALSE(v.SetNumericValue(1, 0));
  EXPECT_FALSE(v.SetStringValue("a", 0));
  VarDataProcessor table;
  EXPECT_FALSE(v.AddToDataProcessor(nullptr, "src"));
  EXPECT_FALSE(v.AddToDataProcessor(&table, ""));
  EXPECT_TRUE(table.GetSourceNames().empty());
}

TEST_F(GraphVariableTest, WithoutLabelingNameOnlyTheValueColumnIsWritten) {
  GGraphVariable v(Resolved("grade"));
  v.SetGPLLabel("g");
  VarDataProcessor table;
  ASSERT_TRUE(v.AddToDataProcessor(&table, "src"));
  EXPECT_TRUE(v.SetNumericValue(1, 0));
  EXPECT_EQ(table.GetColumnNames("src"), std::vector<std::string>{"g"});
  EXPECT_EQ(table.GetValue("src", "g", 0), Number(1));
}

struct WriteCase {
  const char* variable;
  bool numeric;
  double number;
  std::string text;
  VarDataValue value;
  VarDataValue label;
};

class LabelColumn : public GraphVariableTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(LabelColumn, HoldsTheValuesLabelOrTheValueItself) {
  const WriteCase& c = GetParam();
  GGraphVariable v(Resolved(c.variable));
  std::string labeling = v.MakeLabelingVariableName();
  VarDataProcessor table;
  ASSERT_TRUE(v.AddToDataProcessor(&table, "src"));
  EXPECT_EQ(table.GetColumnNames("src"), (std::vector<std::string>{c.variable, labeling}));
  ASSERT_TRUE(c.numeric ? v.SetNumericValue(c.number, 3) : v.SetStringValue(c.text, 3));
  EXPECT_EQ(table.GetValue("src", c.variable, 3), c.value);
  EXPECT_EQ(table.GetValue("src", labeling, 3), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, LabelColumn,
    ::testing::Values(WriteCase{"grade", true, 1, "", Number(1), Text("One")},
                      // Only labels of string values turn a backslash and n into a line break.
                      WriteCase{"grade", true, 2, "", Number(2), Text("Two\\nlines")},
                      WriteCase{"grade", true, 7, "", Number(7), Number(7)},
                      WriteCase{"code", false, 0, "a", Text("a"), Text("Alpha\nBeta")},
                      WriteCase{"code", false, 0, "zz", Text("zz"), Text("zz")}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
