#include <gtest/gtest.h>

#include <memory>

#include "FacSTDictionary.h"
#include "PathFactory.h"
#include "model/GGraphStatistic.h"
#include "tests/support/TestDataSource.h"

namespace {

struct Call {
  const char* function;
  const char* variable;  // the main parameter
  std::vector<double> numbers;
};

// Columns: salary (labelled "Salary", DOLLAR10.2), x (F8.2, no label).
class LabelTest : public ::testing::Test {
 protected:
  LabelTest() : dictionary(PathFactory::getPathInstance(3)) {
    dictionary.SetProcedure("GGRAPH");
    data.AddNumeric("salary", PackFormat(kFormatDollar, 10, 2)).Label("Salary");
    data.AddNumeric("x");
  }

  // The function applied as the parser does, its variable resolved when the data hold it.
  std::unique_ptr<GGraphStatistic> Make(const Call& call) {
    auto statistic = std::make_unique<GGraphStatistic>(call.function, &dictionary);
    std::vector<double> numbers = call.numbers;
    if (call.variable[0]) {
      statistic->SetMainParameter(call.variable, 0);
    } else if (!numbers.empty()) {
      statistic->SetMainParameter(std::to_string(numbers.front()), numbers.front());
      numbers.erase(numbers.begin());
    }
    for (std::size_t i = 0; i < numbers.size(); ++i)
      statistic->SetParameter(static_cast<int>(i + 1), numbers[i], std::to_string(numbers[i]));
    statistic->ResolveVariableParameter(&data);
    return statistic;
  }

  FacSTDictionary dictionary;
  TestDataSource data;
};

struct LabelCase {
  Call call;
  std::string display;
  std::string full;
  std::string gpl;
};

class Labels : public LabelTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(Labels, NameTheFunctionItsValuesAndItsVariable) {
  const LabelCase& c = GetParam();
  auto statistic = Make(c.call);
  EXPECT_EQ(statistic->GetDisplayLabel(), c.display);
  EXPECT_EQ(statistic->GetFullLabel(), c.full);
  EXPECT_EQ(statistic->GetGPLLabel().toUTF8(), c.gpl);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, Labels,
    ::testing::Values(
        // Patterns and words that are keys take the string table's text.
        LabelCase{{"COUNT", "", {}}, "Count", "Count", "COUNT"},
        LabelCase{{"mean", "salary", {}}, "Mean", "Mean Salary", "MEAN_salary"},
        LabelCase{{"MEDIAN", "x", {}}, "Median", "Median x", "MEDIAN_x"},
        LabelCase{{"SUM", "x", {}}, "Sum", "Sum x", "SUM_x"},
        LabelCase{{"VALIDN", "x", {}}, "Valid N", "Valid N x", "VALIDN_x"},
        // An unresolved variable appears as written.
        LabelCase{{"MAXIMUM", "Nosuch", {}}, "Maximum", "Maximum Nosuch", "MAXIMUM_Nosuch"},
        LabelCase{{"CASEVALUE", "salary", {}}, "Case Value", "Case Value Salary", "CASEVALUE_salary"},
        LabelCase{{"RESPONSES", "DUP", {}}, "Responses", "Responses ", "RESPONSES_DUP"},
        LabelCase{{"PCTRESPONSES", "NODUP", {}}, "", "Percent Responses ", "PCTRESPONSES_NODUP"},
        LabelCase{{"PTILE", "salary", {25}}, "Ptile 25", "Ptile 25 Salary", "PTILE_salary_25"},
        LabelCase{{"GPTILE", "x", {0.5}}, "Group Ptile 0.5", "Group Ptile 0.5 x", "GPTILE_x_0.5"},
        LabelCase{{"PIN", "salary", {10, 20}}, "% in (10,20)", "% in (10,20) Salary", "PIN_salary_10_20"},
        LabelCase{{"NIN", "x", {-1.5, 1234567}}, "N in (-1.5,1.23457e+06)", "N in (-1.5,1.23457e+06) x",
                  "NIN_x_-1.5_1234567"},
        LabelCase{{"PLT", "x", {3}}, "% < 3", "% < 3 x", "PLT_x_3"},
        // Every one-limit function labels its own value.
        LabelCase{{"PLE", "x", {3}}, "% <= 3", "% <= 3 x", "PLE_x_3"},
        LabelCase{{"NLE", "x", {2.5}}, "N <= 2.5", "N <= 2.5 x", "NLE_x_2.5"},
        LabelCase{{"PGT", "x", {5}}, "% > 5", "% > 5 x", "PGT_x_5"},
        LabelCase{{"PGT", "x", {10}}, "% > 10", "% > 10 x", "PGT_x_10"},
        LabelCase{{"NEQ", "x", {0.1}}, "N = 0.1", "N = 0.1 x", "NEQ_x_0.1"},
        LabelCase{{"MEANCI", "salary", {90}}, "Mean", "Mean Salary", "MEANCI_salary_90"},
        LabelCase{{"MEANSD", "x", {3}}, "Mean", "Mean x", "MEANSD_x_300"},
        LabelCase{{"COUNTCI", "", {90}}, "Count", "Count", "COUNTCI_90"},
        LabelCase{{"PCTCI", "", {95}}, "Count", "Percent", "PCTCI_95"}),
    [](const auto& info) { return std::string(info.param.call.function) + std::to_string(info.index); });

struct IntervalCase {
  Call call;
  std::string low, high, lowGpl, highGpl;
};

class IntervalLabels : public LabelTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalLabels, NameTheBounds) {
  const IntervalCase& c = GetParam();
  auto statistic = Make(c.call);
  ChartString low, high;
  ASSERT_TRUE(statistic->GetIntervalLabels(low, high));
  EXPECT_EQ(low.toUTF8(), c.low);
  EXPECT_EQ(high.toUTF8(), c.high);
  EXPECT_EQ(statistic->GetLowGPLLabel().toUTF8(), c.lowGpl);
  EXPECT_EQ(statistic->GetHighGPLLabel().toUTF8(), c.highGpl);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, IntervalLabels,
    ::testing::Values(
        IntervalCase{{"MEDIANCI", "salary", {90}}, "Median Salary 90% CI Low", "Median Salary 90% CI High",
                     "MEDIANCI_salary_90_LOW", "MEDIANCI_salary_90_HIGH"},
        // Every interval of the mean uses the deviation wording and the level as stored.
        IntervalCase{{"meanci", "x", {}}, "Mean x Std. Deviation (0.95) Low", "Mean x Std. Deviation (0.95) High",
                     "meanci_x_95_LOW", "meanci_x_95_HIGH"},
        IntervalCase{{"MEANSE", "salary", {1.5}}, "Mean Salary Std. Deviation (1.5) Low",
                     "Mean Salary Std. Deviation (1.5) High", "MEANSE_salary_150_LOW", "MEANSE_salary_150_HIGH"},
        IntervalCase{{"COUNTCI", "", {99.9}}, "Count 99.9% CI Low", "Count 99.9% CI High", "COUNTCI_99.9_LOW",
                     "COUNTCI_99.9_HIGH"},
        IntervalCase{{"PCTCI", "", {95}}, "Percent 95% CI Low", "Percent 95% CI High", "PCTCI_95_LOW",
                     "PCTCI_95_HIGH"}),
    [](const auto& info) { return std::string(info.param.call.function) + std::to_string(info.index); });

TEST_F(LabelTest, FunctionsThatAreNoIntervalsHaveNoBoundLabels) {
  auto statistic = Make({"MEAN", "x", {}});
  ChartString low("keep"), high("keep");
  EXPECT_FALSE(statistic->GetIntervalLabels(low, high));
  EXPECT_EQ(low.toUTF8(), "keep");
  EXPECT_TRUE(statistic->GetLowGPLLabel().empty());
  statistic->SetHighGPLLabel("hi");
  EXPECT_EQ(statistic->GetHighGPLLabel().toUTF8(), "hi");
}

TEST_F(LabelTest, GivenGplLabelsAreNeverReplaced) {
  auto statistic = Make({"MEANCI", "x", {90}});
  statistic->SetGPLLabel("avg");
  statistic->SetLowGPLLabel("lo");
  statistic->SetHighGPLLabel("hi");
  EXPECT_EQ(statistic->GetGPLLabel().toUTF8(), "avg");
  EXPECT_EQ(statistic->GetLowGPLLabel().toUTF8(), "lo");
  EXPECT_EQ(statistic->GetHighGPLLabel().toUTF8(), "hi");
}

TEST_F(LabelTest, DefaultGplLabelIsBuiltOnceAndKept) {
  auto statistic = Make({"PTILE", "x", {25}});
  EXPECT_EQ(statistic->GetGPLLabel().toUTF8(), "PTILE_x_25");
  statistic->SetParameter(1, 50, "50");
  EXPECT_EQ(statistic->GetDisplayLabel(), "Ptile 50");
  EXPECT_EQ(statistic->GetGPLLabel().toUTF8(), "PTILE_x_25");
}

struct FormatCase {
  const char* function;
  VEXA_Format format;
  int decimals;
  std::string prefix;
  std::string suffix;
  bool dateSpread;
};

class ResultFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ResultFormats, FollowTheFunctionAndTheVariablesFormat) {
  const FormatCase& c = GetParam();
  TestDataSource data;
  if (FormatType(c.format) == kFormatA)
    data.AddString("v", FormatWidth(c.format));
  else
    data.AddNumeric("v", c.format);
  GGraphStatistic statistic(c.function, nullptr);
  statistic.SetMainParameter("v", 0);
  ASSERT_TRUE(statistic.ResolveVariableParameter(&data));
  EXPECT_EQ(statistic.GetResultDecimals(), c.decimals);
  EXPECT_EQ(statistic.GetResultPrefix().toUTF8(), c.prefix);
  EXPECT_EQ(statistic.GetResultSuffix().toUTF8(), c.suffix);
  EXPECT_EQ(statistic.IsDateSpread(), c.dateSpread);
}

constexpr VEXA_Format kF82 = PackFormat(kFormatF, 8, 2);
constexpr VEXA_Format kDollar = PackFormat(kFormatDollar, 10, 2);
constexpr VEXA_Format kDate = PackFormat(kFormatDate, 10, 0);
constexpr VEXA_Format kTime = PackFormat(kFormatTime, 8, 0);
constexpr VEXA_Format kString = PackFormat(kFormatA, 8, 0);

INSTANTIATE_TEST_SUITE_P(
    Formats, ResultFormats,
    ::testing::Values(
        FormatCase{"MEAN", kF82, 2, "", "", false}, FormatCase{"STDDEV", kF82, 3, "", "", false},
        FormatCase{"VARIANCE", kF82, 3, "", "", false}, FormatCase{"MEDIAN", kF82, 2, "", "", false},
        FormatCase{"MODE", kF82, 2, "", "", false}, FormatCase{"VALIDN", kF82, 0, "", "", false},
        FormatCase{"NGT", kF82, 0, "", "", false}, FormatCase{"PGT", kF82, 1, "", "%", false},
        FormatCase{"PIN", kF82, 1, "", "%", false}, FormatCase{"MEANCI", kF82, 2, "", "", false},
        // Decimals grow for plain numbers up to 16; other number formats keep theirs.
        FormatCase{"STDDEV", PackFormat(kFormatE, 40, 16), 16, "", "", false},
        FormatCase{"STDDEV", PackFormat(kFormatPct, 8, 1), 2, "", "", false},
        FormatCase{"STDDEV", PackFormat(6, 8, 2), 2, "", "", false},
        // Currency: "$" for the dollar format, for value and summary functions only.
        FormatCase{"SUM", kDollar, 2, "$", "", false}, FormatCase{"PTILE", kDollar, 2, "$", "", false},
        FormatCase{"VARIANCE", kDollar, 3, "", "", false}, FormatCase{"NLT", kDollar, 0, "", "", false},
        FormatCase{"PLT", kDollar, 1, "", "%", false},
        // Dates and times have no decimals; their spread is a date spread.
        FormatCase{"MEAN", kDate, -1, "", "", false}, FormatCase{"STDDEV", kDate, -1, "", "", true},
        FormatCase{"STDDEV", kTime, -1, "", "", true}, FormatCase{"VARIANCE", kDate, 3, "", "", false},
        FormatCase{"PLT", kTime, -1, "", "%", false}, FormatCase{"CASEVALUE", kString, -1, "", "", false}),
    [](const auto& info) { return std::string(info.param.function) + std::to_string(info.index); });

}  // namespace
