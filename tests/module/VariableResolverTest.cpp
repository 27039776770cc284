#include "model/VariableResolver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/support/TestDataSource.h"

// Found by argument-dependent lookup, so beside the type.
static bool operator==(const CategoryEntry& a, const CategoryEntry& b) {
  return a.value == b.value && a.name == b.name && a.label == b.label;
}

static void PrintTo(const CategoryEntry& e, std::ostream* out) {
  *out << "{" << e.value << ", " << e.name << ", " << e.label << "}";
}

namespace {

constexpr int kColumns = 9;

// Columns: 0 age, 1 city (A12), 2 q1, 3 q2, 4 Q1x, 5 QUESTION2, 6 s1 (A12), 7 s2 (A12), 8 short (A4).
// Sets, in order: $cats, $Dich, $sdich, $enh, cats (no "$"), $strcats, $empty, $long, $half.
class ResolverTest : public ::testing::Test {
 protected:
  ResolverTest() {
    data.AddNumeric("age", PackFormat(kFormatF, 3, 0)).Label("Age in years").ValueLabel(99, "Unknown");
    data.AddString("city", 12).ValueLabel("Paris", "Capital");
    data.AddNumeric("q1").ValueLabel(1, "Yes").ValueLabel(2, std::nullopt).ValueLabel(3, "Three (q1)");
    data.AddNumeric("q2").ValueLabel(3, "Three (q2)").ValueLabel(4, "Four");
    data.AddNumeric("Q1x").Label("First question").ValueLabel(1, "Chosen first");
    data.AddNumeric("QUESTION2").DisplayWidth(9).ValueLabel(5, "Five");
    data.AddString("s1", 12).Label("String one").ValueLabel("1", "Picked");
    data.AddString("s2", 12);
    data.AddString("short", 4);
    data.AddSet({"$cats", VariableSet::kCategories, "Categories", {"q1", "ghost", "q2"}, ""});
    data.AddSet({"$Dich", VariableSet::kDichotomies, "", {"Q1x", "QUESTION2"}, "1"});
    data.AddSet({"$sdich", VariableSet::kDichotomies, "Strings", {"s1", "s2"}, "1"});
    data.AddSet({"$enh", VariableSet::kDichotomies, "Enhanced", {"Q1x", "QUESTION2"}, "1", true, true});
    data.AddSet({"cats", VariableSet::kCategories, "", {"q1"}, ""});
    data.AddSet({"$strcats", VariableSet::kCategories, "", {"city", "s1"}, ""});
    data.AddSet({"$empty", VariableSet::kDichotomies, "", {"ghost"}, "1"});
    data.AddSet({"$long", VariableSet::kDichotomies, "", {"short"}, "123456789"});
    data.AddSet({"$half", VariableSet::kDichotomies, "", {"Q1x"}, "1", true, false});
  }

  // A new resolver for every name: a resolver is bound once.
  VariableResolver& Resolve(const std::string& name) {
    resolvers.push_back(std::make_unique<VariableResolver>());
    resolved = resolvers.back()->resolveVariable(&data, name);
    return *resolvers.back();
  }

  TestDataSource data;
  std::vector<std::unique_ptr<VariableResolver>> resolvers;
  bool resolved = false;
};

struct NameCase {
  const char* name;
  bool resolved;
  VARIABLETYPE type;
  int index;
  std::vector<int> members;
  const char* setLabel;
};

class ResolveByName : public ResolverTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ResolveByName, BindsVariablesAndSets) {
  const NameCase& c = GetParam();
  VariableResolver& r = Resolve(c.name);
  EXPECT_EQ(resolved, c.resolved);
  EXPECT_EQ(r.getVariableType(), c.type);
  EXPECT_EQ(r.getVariableIndex(), c.index);
  EXPECT_EQ(r.getVariableIndexList(), c.members);
  EXPECT_EQ(r.getSetLabel(), c.setLabel);
  EXPECT_EQ(r.getVariable(), c.type == SINGLE_VARIABLE ? data.GetVariable(c.index) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResolveByName,
    ::testing::Values(NameCase{"age", true, SINGLE_VARIABLE, 0, {}, ""},
                      NameCase{"q2", true, SINGLE_VARIABLE, 3, {}, ""},
                      // Members the data do not hold are skipped.
                      NameCase{"$cats", true, CATEGORY_SET, kColumns + 0, {2, 3}, "Categories"},
                      NameCase{"$CATS", true, CATEGORY_SET, kColumns + 0, {2, 3}, "Categories"},
                      // Without a label, the set is labelled by its name as defined.
                      NameCase{"$dich", true, DICHOTOMY_SET, kColumns + 1, {4, 5}, "$Dich"},
                      NameCase{"$SDICH", true, DICHOTOMY_SET, kColumns + 2, {6, 7}, "Strings"},
                      // Only names with a leading "$" are looked for among the sets.
                      NameCase{"cats", false, NOT_RESOLVED, -1, {}, ""},
                      NameCase{"$nosuch", false, NOT_RESOLVED, -1, {}, ""},
                      NameCase{"", false, NOT_RESOLVED, -1, {}, ""}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ResolverTest, ResolvesByIndexAndRefusesWhatCannotBeBound) {
  VariableResolver resolver;
  EXPECT_TRUE(resolver.resolveVariable(&data, 6));
  EXPECT_EQ(resolver.getVariableType(), SINGLE_VARIABLE);
  EXPECT_EQ(resolver.getVariable(), data.GetVariable(6));

  VariableResolver negative, withoutData, byNameWithoutData;
  EXPECT_FALSE(negative.resolveVariable(&data, -1));
  EXPECT_FALSE(withoutData.resolveVariable(nullptr, 0));
  EXPECT_FALSE(byNameWithoutData.resolveVariable(nullptr, std::string("age")));
  for (const VariableResolver* r : {&negative, &withoutData, &byNameWithoutData}) {
    EXPECT_EQ(r->getVariableType(), NOT_RESOLVED);
    EXPECT_EQ(r->getVariableIndex(), -1);
  }
}

struct StringCase {
  const char* name;
  bool isString;
  unsigned int length;
};

class StringQuestions : public ResolverTest, public ::testing::WithParamInterface<StringCase> {};

TEST_P(StringQuestions, FollowTheVariableOrTheSetsMembers) {
  VariableResolver& r = Resolve(GetParam().name);
  EXPECT_EQ(r.isString(), GetParam().isString);
  EXPECT_EQ(r.getStringLength(), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StringQuestions,
    ::testing::Values(StringCase{"age", false, 0}, StringCase{"city", true, 12}, StringCase{"$cats", false, 0},
                      StringCase{"$strcats", true, 12},
                      // A dichotomy set's categories are member names: QUESTION2 is 9 long.
                      StringCase{"$dich", false, 9}, StringCase{"$sdich", true, 12}, StringCase{"$empty", false, 0},
                      StringCase{"$nosuch", false, 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ResolverTest, CountedValueOfStringMembersIsBlankPaddedWholeCells) {
  int width = 0;
  const OBS* counted = Resolve("$sdich").getCountedValue(width);
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(width, 2);
  EXPECT_EQ(std::string(counted->text, 16), "1" + std::string(15, ' '));
}

TEST_F(ResolverTest, CountedValueOfNumericMembersIsANumber) {
  int width = 0;
  const OBS* counted = Resolve("$dich").getCountedValue(width);
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(width, 8);
  EXPECT_EQ(counted->number, 1.0);
}

TEST_F(ResolverTest, CountedValueNeverRunsPastItsCells) {
  int width = 0;
  const OBS* counted = Resolve("$long").getCountedValue(width);
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(width, 1);
  EXPECT_EQ(std::string(counted->text, 8), "12345678");
}

TEST_F(ResolverTest, OnlyDichotomySetsHaveACountedValue) {
  for (const char* name : {"age", "$cats"}) {
    int width = -1;
    EXPECT_EQ(Resolve(name).getCountedValue(width), nullptr) << name;
    EXPECT_EQ(width, 0) << name;
  }
}

struct LabelCase {
  const char* name;
  std::string text;              // used when cell is empty
  std::vector<OBS> cell;         // empty: look up by text
  std::string label;
};

class ValueLabels : public ResolverTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(ValueLabels, AreFoundByCellOrText) {
  const LabelCase& c = GetParam();
  VariableResolver& r = Resolve(c.name);
  EXPECT_EQ(r.getValueLabel(c.text, c.cell.empty() ? nullptr : c.cell.data()), c.label);
}

std::vector<OBS> Number(double value) { return {OBS{value}}; }

INSTANTIATE_TEST_SUITE_P(
    Cells, ValueLabels,
    ::testing::Values(LabelCase{"age", "", Number(99), "Unknown"}, LabelCase{"age", "", Number(98), ""},
                      LabelCase{"city", "", TextCells("Paris", 12), "Capital"},
                      LabelCase{"city", "Paris", {}, "Capital"},
                      // Members are asked in order; the first with a label wins.
                      LabelCase{"$cats", "", Number(3), "Three (q1)"}, LabelCase{"$cats", "", Number(4), "Four"},
                      LabelCase{"$cats", "", Number(2), ""},
                      // A dichotomy cell holds a member name, compared ignoring case.
                      LabelCase{"$dich", "", TextCells("q1x", 16), "First question"},
                      LabelCase{"$dich", "", TextCells("QUESTION2", 16), ""},
                      LabelCase{"$dich", "", TextCells("", 16), ""},
                      LabelCase{"$dich", "", TextCells("Q1", 16), ""},
                      // Enhanced sets label a member by its label of the counted value.
                      LabelCase{"$enh", "", TextCells("Q1X", 16), "Chosen first"},
                      LabelCase{"$enh", "", TextCells("QUESTION2", 16), ""},
                      // Category labels need both flags of the set.
                      LabelCase{"$half", "", TextCells("Q1X", 8), "First question"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ResolverTest, DichotomyCellIsReadNoWiderThanTheMembersDisplay) {
  // Only the first 3 bytes of the cell count for a member displayed 3 wide.
  data.AddNumeric("abc").DisplayWidth(3).Label("Letters");
  data.AddSet({"$narrow", VariableSet::kDichotomies, "", {"abc"}, "1"});
  EXPECT_EQ(Resolve("$narrow").getValueLabel("", TextCells("abcdef", 8).data()), "Letters");
}

TEST_F(ResolverTest, CategoriesOfACategorySetAreTheUnionOfLabelledValues) {
  // q1 and q2 both label 3: one entry, q1's label; q1's unlabelled 2 is left out.
  std::vector<CategoryEntry> expected{{1, "", "Yes"}, {3, "", "Three (q1)"}, {4, "", "Four"}};
  EXPECT_EQ(Resolve("$cats").getCategories(), expected);
}

TEST_F(ResolverTest, CategoriesOfADichotomySetAreItsLabelledMembers) {
  // QUESTION2 has no variable label and gets no entry.
  EXPECT_EQ(Resolve("$dich").getCategories(), (std::vector<CategoryEntry>{{0, "Q1x", "First question"}}));
  // Enhanced: every member, labelled by its label of the counted value.
  EXPECT_EQ(Resolve("$enh").getCategories(),
            (std::vector<CategoryEntry>{{0, "Q1x", "Chosen first"}, {0, "QUESTION2", ""}}));
}

TEST_F(ResolverTest, VariablesHaveNoCategories) { EXPECT_TRUE(Resolve("age").getCategories().empty()); }

}  // namespace
