#include "model/GGraphStatistic.h"

#include <gtest/gtest.h>

#include "AggregationStatistic.h"
#include "tests/support/ModuleSession.h"
#include "tests/support/TestDataSource.h"

namespace {

using Messages = std::vector<std::pair<int, std::string>>;

struct CatalogueCase {
  const char* name;
  int code;
  int numericCount;
  int keywordCount;
  int intervalStatistic;
};

class Catalogue : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(Catalogue, MapsTheNameToItsCodeAndParameterCounts) {
  const CatalogueCase& c = GetParam();
  GGraphStatistic statistic(c.name, nullptr);
  int keywordCount = -1;
  EXPECT_TRUE(statistic.IsValid());
  EXPECT_EQ(statistic.GetAggregationStatistic()->GetSummaryStatistic(), c.code);
  EXPECT_EQ(statistic.GetParameterCounts(keywordCount), c.numericCount);
  EXPECT_EQ(keywordCount, c.keywordCount);
  EXPECT_EQ(statistic.IsInterval(), c.intervalStatistic != 0);
  EXPECT_EQ(statistic.GetIntervalStatistic(), c.intervalStatistic);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, Catalogue,
    ::testing::Values(
        CatalogueCase{"CASEVALUE", 2000, 1, 0, 0}, CatalogueCase{"COUNT", 1, 0, 0, 0},
        CatalogueCase{"RESPONSES", 289, 0, 1, 0}, CatalogueCase{"PCTRESPONSES", 369, 0, 1, 0},
        CatalogueCase{"MINIMUM", 197, 1, 0, 0}, CatalogueCase{"MAXIMUM", 178, 1, 0, 0},
        CatalogueCase{"VALIDN", 222, 1, 0, 0}, CatalogueCase{"SUM", 205, 1, 0, 0},
        CatalogueCase{"MEAN", 179, 1, 0, 0}, CatalogueCase{"STDDEV", 203, 1, 0, 0},
        CatalogueCase{"VARIANCE", 231, 1, 0, 0}, CatalogueCase{"MEDIAN", 187, 1, 0, 0},
        CatalogueCase{"GMEDIAN", 195, 1, 0, 0}, CatalogueCase{"MODE", 200, 1, 0, 0},
        CatalogueCase{"PTILE", 468, 2, 0, 0}, CatalogueCase{"GPTILE", 476, 2, 0, 0},
        CatalogueCase{"PLT", 478, 2, 0, 0}, CatalogueCase{"PGT", 486, 2, 0, 0}, CatalogueCase{"NLT", 480, 2, 0, 0},
        CatalogueCase{"NGT", 488, 2, 0, 0}, CatalogueCase{"PIN", 498, 3, 0, 0}, CatalogueCase{"NIN", 500, 3, 0, 0},
        CatalogueCase{"NLE", 484, 2, 0, 0}, CatalogueCase{"PLE", 482, 2, 0, 0}, CatalogueCase{"NEQ", 496, 2, 0, 0},
        CatalogueCase{"PEQ", 494, 2, 0, 0}, CatalogueCase{"NGE", 492, 2, 0, 0}, CatalogueCase{"PGE", 490, 2, 0, 0},
        CatalogueCase{"MEANCI", 179, 1, 1, 182}, CatalogueCase{"MEANSD", 179, 1, 1, 203},
        CatalogueCase{"MEANSE", 179, 1, 1, 182}, CatalogueCase{"MEDIANCI", 187, 1, 1, 466},
        CatalogueCase{"COUNTCI", 1, 0, 1, 1}, CatalogueCase{"PCTCI", 1, 0, 1, 1},
        // Names are compared ignoring case.
        CatalogueCase{"mean", 179, 1, 0, 0}, CatalogueCase{"Mean", 179, 1, 0, 0},
        CatalogueCase{"pctCI", 1, 0, 1, 1}),
    [](const auto& info) { return std::string(info.param.name) + std::to_string(info.index); });

TEST(CatalogueFlags, FollowTheFunction) {
  struct Case {
    const char* name;
    bool aggregating, caseValue, count, takesVariable;
  };
  for (const Case& c : {Case{"CASEVALUE", false, true, false, true}, Case{"COUNT", true, false, true, false},
                        Case{"COUNTCI", true, false, true, false}, Case{"RESPONSES", true, false, false, false},
                        Case{"PCTRESPONSES", true, false, false, false}, Case{"MEAN", true, false, false, true},
                        Case{"PIN", true, false, false, true}}) {
    GGraphStatistic statistic(c.name, nullptr);
    EXPECT_EQ(statistic.IsAggregating(), c.aggregating) << c.name;
    EXPECT_EQ(statistic.IsCaseValue(), c.caseValue) << c.name;
    EXPECT_EQ(statistic.IsCount(), c.count) << c.name;
    EXPECT_EQ(statistic.TakesVariable(), c.takesVariable) << c.name;
  }
}

TEST(CatalogueFlags, UnknownFunctionIsNotValid) {
  GGraphStatistic statistic("MEANX", nullptr);
  EXPECT_FALSE(statistic.IsValid());
  EXPECT_EQ(statistic.GetAggregationStatistic()->GetSummaryStatistic(), 0);
}

TEST(IntervalDefaults, KindAndLevelFollowTheFunction) {
  struct Case {
    const char* name;
    IntervalKind kind;
    double level;
  };
  for (const Case& c : {Case{"MEANCI", kConfidenceInterval, 0.95}, Case{"MEANSD", kStandardDeviations, 2.0},
                        Case{"MEANSE", kStandardErrors, 2.0}, Case{"MEDIANCI", kConfidenceInterval, 0.95},
                        Case{"COUNTCI", kConfidenceInterval, 0.95}, Case{"PCTCI", kConfidenceInterval, 0.95},
                        Case{"MEAN", kConfidenceInterval, 0}}) {
    GGraphStatistic statistic(c.name, nullptr);
    EXPECT_EQ(statistic.GetIntervalKind(), c.kind) << c.name;
    EXPECT_EQ(statistic.GetIntervalLevel(), c.level) << c.name;
  }
}

// One function call as the parser hands it over, and what the statistic keeps.
struct Parameter {
  int position;
  double value;
  const char* text;
};

struct ParameterCase {
  const char* function;
  const char* mainText;
  double mainValue;
  std::vector<Parameter> parameters;
  Messages messages;
  double cutPoint, lower, upper, level;
  bool duplicates;
};

class Parameters : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(Parameters, AreCheckedAndStored) {
  const ParameterCase& c = GetParam();
  ModuleSession session("GGRAPH.");
  GGraphStatistic statistic(c.function, nullptr);
  statistic.SetMainParameter(c.mainText, c.mainValue);
  for (const Parameter& p : c.parameters) statistic.SetParameter(p.position, p.value, p.text);
  const AggregationStatistic& aggregation = *statistic.GetAggregationStatistic();
  EXPECT_EQ(aggregation.GetPTileCutPoint(), c.cutPoint);
  EXPECT_EQ(aggregation.GetLowerLimit(), c.lower);
  EXPECT_EQ(aggregation.GetUpperLimit(), c.upper);
  EXPECT_DOUBLE_EQ(statistic.GetIntervalLevel(), c.level);
  EXPECT_EQ(statistic.GetCountDuplicates(), c.duplicates);
  EXPECT_EQ(session.Messages(), c.messages);
}

Messages Invalid(const std::string& function, const std::string& text) {
  return {{3, "The " + function + " function contains an invalid numeric parameter (" + text + ")."}};
}

// The aggregation statistic reports a one-limit function's single value
// through all three getters.
INSTANTIATE_TEST_SUITE_P(
    Calls, Parameters,
    ::testing::Values(
        ParameterCase{"PTILE", "x", 0, {{1, 25, "25"}}, {}, 25, 25, 25, 0, false},
        ParameterCase{"PTILE", "x", 0, {{1, 0.5, "0.5"}}, {}, 0.5, 0.5, 0.5, 0, false},
        // A rejected cut point keeps the previous one.
        ParameterCase{"ptile", "x", 0, {{1, 25, "25"}, {1, 100, "100"}}, Invalid("ptile", "100"), 25, 25, 25, 0,
                      false},
        ParameterCase{"GPTILE", "x", 0, {{1, 0, "0"}}, Invalid("GPTILE", "0"), 0, 0, 0, 0, false},
        ParameterCase{"PLT", "x", 0, {{1, 5, "5"}}, {}, 5, 5, 5, 0, false},
        ParameterCase{"PLE", "x", 0, {{1, 3, "3"}}, {}, 3, 3, 3, 0, false},
        ParameterCase{"PIN", "x", 0, {{1, 10, "10"}, {2, 20, "20"}}, {}, 0, 10, 20, 0, false},
        // A high limit below the low one is reported and still used.
        ParameterCase{"NIN", "x", 0, {{1, 10, "10"}, {2, 5, "5"}}, Invalid("NIN", "5"), 0, 10, 5, 0, false},
        ParameterCase{"COUNTCI", "90", 90, {}, {}, 0, 0, 0, 0.9, false},
        ParameterCase{"COUNTCI", "50", 50, {}, {}, 0, 0, 0, 0.5, false},
        ParameterCase{"COUNTCI", "99.9", 99.9, {}, {}, 0, 0, 0, 0.999, false},
        ParameterCase{"PCTCI", "49.9", 49.9, {}, Invalid("PCTCI", "49.9"), 0, 0, 0, 0.95, false},
        ParameterCase{"COUNTCI", "100", 100, {}, Invalid("COUNTCI", "100"), 0, 0, 0, 0.95, false},
        ParameterCase{"MEANCI", "x", 0, {{1, 90, "90"}}, {}, 0, 0, 0, 0.9, false},
        // The median's statistic starts at 50.
        ParameterCase{"MEDIANCI", "x", 0, {{1, 99, "99"}}, {}, 50, 50, 50, 0.99, false},
        ParameterCase{"MEANSD", "x", 0, {{1, 3, "3"}}, {}, 0, 0, 0, 3, false},
        ParameterCase{"MEANSE", "x", 0, {}, {}, 0, 0, 0, 2, false},
        ParameterCase{"MEANCI", "x", -1, {}, Invalid("MEANCI", "x"), 0, 0, 0, 0.95, false},
        ParameterCase{"RESPONSES", "dup", 0, {}, {}, 0, 0, 0, 0, true},
        ParameterCase{"PCTRESPONSES", "NODUP", 0, {}, {}, 0, 0, 0, 0, false},
        ParameterCase{"RESPONSES", "DUPS", 0, {},
                      {{3, "The RESPONSES() function can only accept DUP or NODUP as a parameter."}}, 0, 0, 0, 0,
                      false}),
    [](const auto& info) { return std::string(info.param.function) + std::to_string(info.index); });

TEST(Parameters, NodupClearsAnEarlierDup) {
  GGraphStatistic statistic("RESPONSES", nullptr);
  statistic.SetMainParameter("DUP", 0);
  statistic.SetMainParameter("nodup", 0);
  EXPECT_FALSE(statistic.GetCountDuplicates());
}

// Columns 0 age, 1 city (A8); set $cats is the column count plus 0.
class Resolution : public ::testing::Test {
 protected:
  Resolution() {
    data.AddNumeric("age");
    data.AddString("city", 8);
    data.AddSet({"$cats", VariableSet::kCategories, "", {"age"}, ""});
  }

  bool Resolve(GGraphStatistic& statistic, const std::string& variable) {
    statistic.SetMainParameter(variable, 0);
    return statistic.ResolveVariableParameter(&data);
  }

  ModuleSession session{"GGRAPH."};
  TestDataSource data;
};

TEST_F(Resolution, BindsTheVariableByItsNameInTheData) {
  GGraphStatistic statistic("MEAN", nullptr);
  ASSERT_TRUE(Resolve(statistic, "AGE"));
  EXPECT_EQ(statistic.GetVariableIndex(), 0);
  EXPECT_EQ(statistic.GetStatisticVariable(), data.GetVariable(0));
  EXPECT_EQ(statistic.GetGPLLabel().toUTF8(), "MEAN_age");
  EXPECT_TRUE(session.Messages().empty());
}

TEST_F(Resolution, SetsResolveBeyondTheLastColumnWithoutVariable) {
  GGraphStatistic statistic("MODE", nullptr);
  ASSERT_TRUE(Resolve(statistic, "$cats"));
  EXPECT_EQ(statistic.GetVariableIndex(), 2);
  EXPECT_EQ(statistic.GetStatisticVariable(), nullptr);
}

TEST_F(Resolution, StringVariablesServeOnlyCaseValues) {
  GGraphStatistic caseValue("CASEVALUE", nullptr);
  EXPECT_TRUE(Resolve(caseValue, "city"));
  GGraphStatistic mean("MEAN", nullptr);
  EXPECT_FALSE(Resolve(mean, "CITY"));
  EXPECT_EQ(session.Messages(),
            (Messages{{3, "Summary functions (MEAN) cannot be used with string variables (city)."}}));
}

TEST_F(Resolution, UnknownVariableIsReportedAsWritten) {
  GGraphStatistic statistic("MEAN", nullptr);
  EXPECT_FALSE(Resolve(statistic, "Nosuch"));
  EXPECT_EQ(session.Messages(), (Messages{{3, "The specified variable Nosuch does not exist."}}));
}

TEST_F(Resolution, FunctionsWithoutVariableNeedNoData) {
  for (const char* name : {"COUNT", "RESPONSES", "PCTRESPONSES", "COUNTCI", "PCTCI"}) {
    GGraphStatistic statistic(name, nullptr);
    EXPECT_TRUE(statistic.ResolveVariableParameter(nullptr)) << name;
    EXPECT_EQ(statistic.GetVariableIndex(), -1) << name;
  }
  EXPECT_TRUE(session.Messages().empty());
}

}  // namespace
