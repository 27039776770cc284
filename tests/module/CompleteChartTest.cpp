#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AggregationResult.h"
#include "AggregationStatistic.h"
#include "StatisticCodes.h"
#include "XDocument.h"
#include "XGraph.h"
#include "XVariable.h"
#include "chartlib/document/DocumentState.h"
#include "data/GGraphDataSet.h"
#include "driver/ApplyStatistic.h"
#include "driver/CompleteChart.h"
#include "driver/ResultFormat.h"
#include "engine/text/LocalCodePage.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphStatistic.h"
#include "model/RelabelString.h"
#include "model/VariableResolver.h"
#include "tests/support/ParsedCommand.h"
#include "tests/support/TestProcedureData.h"

namespace {

// Columns: 0 region (nominal, 1 North, 2 South, 3 unlabelled), 1 sales
// (DOLLAR10.2, "Sales"), 2 cost (F8.1, "Cost"), 3 name (A12, nominal, "ann"
// Ann), 4 when (a date), 5 plain (format type 16), 6 w, 7 r2 (nominal, 2
// Second South, 4 West), 8 q1 ("Tea"), 9 q2 ("Coffee").
// 10 town (A8, nominal, "\xF6l" labelled "\xC5sa": Latin-1 bytes).
// Sets: $cs, the categories of region and r2; $dq, q1 and q2 counting 1.
void FillDictionary(TestDataSource& data) {
  data.AddNumeric("region").Level(kLevelNominal).ValueLabel(1, "North").ValueLabel(2, "South").ValueLabel(3, {});
  data.AddNumeric("sales", PackFormat(kFormatDollar, 10, 2)).Label("Sales");
  data.AddNumeric("cost", PackFormat(kFormatF, 8, 1)).Label("Cost");
  data.AddString("name", 12).Level(kLevelNominal).ValueLabel("ann", "Ann");
  data.AddNumeric("when", PackFormat(kFormatDate, 10, 0));
  data.AddNumeric("plain", PackFormat(16, 8, 2));
  data.AddNumeric("w");
  data.AddNumeric("r2").Level(kLevelNominal).ValueLabel(2, "Second South").ValueLabel(4, "West");
  data.AddNumeric("q1").Level(kLevelNominal).Label("Tea");
  data.AddNumeric("q2").Level(kLevelNominal).Label("Coffee");
  data.AddString("town", 8).Level(kLevelNominal).ValueLabel("\xF6l", "\xC5sa");
  data.AddSet({"$cs", VariableSet::kCategories, "Regions", {"region", "r2"}, ""});
  data.AddSet({"$dq", VariableSet::kDichotomies, "Drinks", {"q1", "q2"}, "1"});
}

constexpr int kColumnName = 3;
constexpr int kColumnWeight = 6;
constexpr int kColumnTown = 10;

// The GGRAPH command of one data set and one inline chart.
std::string Command(const std::string& dataSet, const std::string& gpl, const std::string& specOptions = "") {
  return "GGRAPH /GRAPHDATASET " + dataSet + " /GRAPHSPEC SOURCE=INLINE " + specOptions + ".\nBEGIN GPL\n" + gpl +
         "\nEND GPL\n";
}

// GPL over the user source g: one DATA line per column ("name" or
// "name:cat" for a categorical one) and an element.
std::string Gpl(const std::vector<std::string>& columns, const std::string& source = "g") {
  std::string gpl = "SOURCE: s=userSource(id(\"" + source + "\"))\n";
  int n = 0;
  for (const std::string& column : columns) {
    std::size_t colon = column.find(':');
    std::string name = column.substr(0, colon);
    gpl += "DATA: v" + std::to_string(n++) + "=col(source(s), name(\"" + name + "\")" +
           (colon == std::string::npos ? "" : ", unit.category()") + ")\n";
  }
  return gpl + "ELEMENT: point(position(v0))";
}

// A parsed command over the dictionary above, its chart document made from
// the command's GPL, completed.
struct CompletedChart {
  explicit CompletedChart(const std::string& command, int weight = -1)
      : session(command), dictionary(PathFactory::getPathInstance(3)) {
    dictionary.SetProcedure("GGRAPH");
    FillDictionary(data.data);
    data.data.SetWeight(weight);
    parser = std::make_unique<GGraphCommandParser>(&data, &dictionary);
    accepted = parser->Parse();
  }

  GGraphSettings& Settings() { return parser->Settings(); }
  GGraphDataSet& OnlyDataSet() {
    const auto& aggregated = Settings().GetAggregatedDataSets();
    return aggregated.empty() ? *Settings().GetUnaggregatedDataSets().at(0) : *aggregated.at(0);
  }
  GGraphStatistic& Statistic(std::size_t i) { return *OnlyDataSet().GetStatistics().at(i); }

  bool Complete() {
    GraphSpec& spec = *Settings().GetGraphSpecs().at(0);
    document = std::make_unique<XDocument>(spec.GetGplText(), true, false);
    return CompleteChart().Complete(document.get(), Settings(), spec, &dictionary, relabel);
  }

  const DocumentState& State() { return document->State(); }
  XGraph& Graph() { return *document->getGraph(); }
  XVariable& Variable(const std::string& column, int n = 0) { return *Graph().getVariable(column, n); }
  int Count(const std::string& column) {
    int count = 0;
    for (const auto& variable : Graph().variables()) count += variable->getName() == column;
    return count;
  }

  ModuleSession session;
  TestProcedureData data;
  FacSTDictionary dictionary;
  std::unique_ptr<GGraphCommandParser> parser;
  bool accepted = false;
  RelabelString relabel;
  std::unique_ptr<XDocument> document;
};

std::string Number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// "value=label ..." with text values quoted and index values as #i.
std::string Relabels(const XVariable& variable) {
  std::string out;
  for (const XVariable::Relabel& relabel : variable.getRelabels()) {
    if (!out.empty()) out += " ";
    switch (relabel.by) {
      case XVariable::Relabel::By::kText:
        out += "'" + relabel.text + "'";
        break;
      case XVariable::Relabel::By::kNumber:
        out += Number(relabel.number);
        break;
      case XVariable::Relabel::By::kIndex:
        out += "#" + std::to_string(relabel.index);
        break;
    }
    out += "=" + relabel.label;
  }
  return out;
}

// "none", "number decimals grouped prefix suffix" or "packed value variable".
std::string Format(const XVariable& variable) {
  const auto& format = variable.getFormat();
  if (!format) return "none";
  if (format->kind == XVariable::Format::Kind::kNumber)
    return "number " + std::to_string(format->decimals) + (format->grouping ? " grouped" : " plain") + " '" +
           format->prefix + "' '" + format->suffix + "'";
  return "packed " + std::to_string(format->packed) + " " + format->variable;
}

// "none" or "kind a b c flag".
std::string Statistic(const XVariable& variable) {
  const auto& statistic = variable.getStatistic();
  if (!statistic) return "none";
  return std::to_string(statistic->kind) + " " + Number(statistic->a) + " " + Number(statistic->b) + " " +
         Number(statistic->c) + " " + (statistic->flag ? "true" : "false");
}

// ---------------------------------------------------------------------------
// The document as a whole.

// A TEMPLATE file named in a test's command, written beside the test.
std::string ChartTemplateFile(const std::string& name) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path) << "<template/>";
  return path;
}

TEST(CompleteChartDocument, DescribesTheDocumentFromItsGraphSpec) {
  const std::string a = ChartTemplateFile("a.sgt"), b = ChartTemplateFile("b.sgt");
  CompletedChart chart(Command("NAME='g' VARIABLES=region CSVFILE='a.csv'", Gpl({"region"}),
                               "LABEL='Sales by region' EDITABLE=NO TEMPLATE=['" + a + "' '" + b + "' 'none.sgt'] "
                               "INLINETEMPLATE=['<one/>' '<two/>']"));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  const DocumentState& state = chart.State();
  EXPECT_EQ(state.description, "Sales by region");
  EXPECT_EQ(state.editLock, 1);
  // A template file that cannot be read is reported, not silently passed on.
  EXPECT_EQ(state.templates, (std::vector<std::string>{a, b}));
  EXPECT_EQ(chart.session.Messages(), (Messages{{3, "File none.sgt has no access..."}}));
  EXPECT_EQ(state.name, "GGRAPH");
  EXPECT_FALSE(state.doNotModify);
  EXPECT_EQ(state.immediateTemplates, (std::vector<std::string>{"<one/>", "<two/>"}));
  EXPECT_EQ(state.csvFiles, std::vector<std::string>{"a.csv"});
}

TEST(CompleteChartDocument, WithoutLabelIsAGraphAndStaysEditable) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region", Gpl({"region"}), "EDITABLE=YES"));
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(chart.State().description, "Graph");
  EXPECT_EQ(chart.State().editLock, 0);
}

TEST(CompleteChartDocument, WithoutTheDefaultTemplateIsLeftAsSpecifiedAndItsDataUnlabelled) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region sales MEAN(cost)",
                               Gpl({"region:cat", "MEAN_cost"}), "DEFAULTTEMPLATE=NO TEMPLATE=['a.sgt']"));
  ASSERT_TRUE(chart.Complete());
  EXPECT_TRUE(chart.State().doNotModify);
  EXPECT_TRUE(chart.State().templates.empty());
  EXPECT_EQ(chart.State().name, "");
  XVariable& region = chart.Variable("region");
  EXPECT_EQ(region.getLabel().toUTF8(), "");
  EXPECT_EQ(region.getCreator(), -1);
  EXPECT_EQ(Relabels(region), "");
  EXPECT_FALSE(region.hasVEXAVariable());
  EXPECT_EQ(chart.Variable("MEAN_cost").getLabel().toUTF8(), "");
  EXPECT_EQ(Statistic(chart.Variable("MEAN_cost")), "none");
  // Nothing is made for the data set's variables the chart leaves out.
  EXPECT_EQ(chart.Count("sales"), 0);
}

TEST(CompleteChartDocument, WithoutAChartIsNotCompleted) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region", "SOURCE: s=userSource(id(\"g\"))"));
  EXPECT_FALSE(chart.Complete());
  EXPECT_EQ(chart.State().description, "");
}

TEST(CompleteChartDocument, LeavesTheVariablesOfASourceTheChartDoesNotReadUntouched) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEAN(sales)", Gpl({"region:cat", "MEAN_sales"}, "other")));
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(chart.Variable("region").getLabel().toUTF8(), "");
  EXPECT_EQ(Relabels(chart.Variable("region")), "");
  EXPECT_EQ(Statistic(chart.Variable("MEAN_sales")), "none");
  EXPECT_EQ(chart.Graph().variables().size(), 2u);
}

// ---------------------------------------------------------------------------
// Summary functions.

struct StatisticCase {
  const char* function;
  const char* column;
  const char* label;
  const char* statistic;
  const char* format;
};

void PrintTo(const StatisticCase& c, std::ostream* out) { *out << c.function; }

class CompletedStatistic : public ::testing::TestWithParam<StatisticCase> {};

TEST_P(CompletedStatistic, TakesItsLabelStatisticAndFormat) {
  const StatisticCase& c = GetParam();
  CompletedChart chart(Command(std::string("NAME='g' VARIABLES=region ") + c.function, Gpl({"region:cat", c.column})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  XVariable& column = chart.Variable(c.column);
  EXPECT_EQ(column.getLabel().toUTF8(), c.label);
  EXPECT_EQ(column.getCreator(), 0);
  EXPECT_EQ(Statistic(column), c.statistic);
  EXPECT_EQ(Format(column), c.format);
}

const std::string kDateSpread = "packed " + std::to_string(kDateSpreadFormat) + " ";
const std::string kWhenFormat = "packed " + std::to_string(PackFormat(kFormatDate, 10, 0)) + " when";

INSTANTIATE_TEST_SUITE_P(
    Functions, CompletedStatistic,
    ::testing::Values(
        StatisticCase{"MEAN(sales)", "MEAN_sales", "Mean Sales", "2 0 0 0 false", "number 2 grouped '$' ''"},
        StatisticCase{"VARIANCE(cost)", "VARIANCE_cost", "Variance Cost", "7 0 0 0 false", "number 3 grouped '' ''"},
        // A statistic without a variable keeps the chart's own format.
        StatisticCase{"COUNT()", "COUNT", "Count", "0 0 0 0 false", "none"},
        StatisticCase{"PTILE(sales 25)", "PTILE_sales_25", "Ptile 25 Sales", "15 25 0 0 false",
                      "number 2 grouped '$' ''"},
        StatisticCase{"PIN(cost 1 5)", "PIN_cost_1_5", "% in (1,5) Cost", "18 0 1 5 false", "number 1 grouped '' '%'"},
        StatisticCase{"STDDEV(when)", "STDDEV_when", "StdDev when", "6 0 0 0 false", kDateSpread.c_str()},
        StatisticCase{"MEDIAN(when)", "MEDIAN_when", "Median when", "3 0 0 0 false", kWhenFormat.c_str()},
        // Format type 16 is shown without digit grouping.
        StatisticCase{"SUM(plain)", "SUM_plain", "Sum plain", "5 0 0 0 false", "number 2 plain '' ''"}));

struct ChartStatisticCase {
  int code;
  double lower;
  double upper;
  const char* expected;
};

class ChartStatistics : public ::testing::TestWithParam<ChartStatisticCase> {};

TEST_P(ChartStatistics, CarryTheFunctionsParameter) {
  const ChartStatisticCase& c = GetParam();
  AggregationStatistic statistic(c.code);
  if (c.code == kStatGroupedPercentile)
    statistic.SetPTileCutPoint(c.lower);
  else if (c.lower != 0)
    statistic.SetLowerLimit(c.lower);
  if (c.upper != 0) statistic.SetUpperLimit(c.upper);
  XVariable variable("x", "g", false, false);
  ApplyStatistic(statistic, variable);
  EXPECT_EQ(Statistic(variable), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, ChartStatistics,
                         ::testing::Values(ChartStatisticCase{kStatPctResponses, 0, 0, "0 0 0 0 false"},
                                           ChartStatisticCase{kStatMaximum, 0, 0, "9 0 0 0 false"},
                                           ChartStatisticCase{kStatValidN, 0, 0, "29 0 0 0 false"},
                                           ChartStatisticCase{kStatGroupedMedian, 4, 0, "20 4 0 0 true"},
                                           ChartStatisticCase{kStatGroupedPercentile, 40, 0, "21 40 0 0 true"},
                                           ChartStatisticCase{kStatCountLessThan, 0, 7, "17 7 0 0 false"},
                                           ChartStatisticCase{kStatPctGreaterEqual, 3, 0, "24 3 0 0 false"},
                                           ChartStatisticCase{kStatCountInside, 2, 9, "19 0 2 9 false"},
                                           ChartStatisticCase{kStatCaseValue, 0, 0, "none"}));

TEST(CompleteChartStatistics, ShowTheDataValuesOfCaseValuesInPlaceOfTheirCodes) {
  CompletedChart chart(Command("NAME='g' VARIABLES=CASEVALUE(name) region", Gpl({"CASEVALUE_name", "region"})));
  ASSERT_TRUE(chart.accepted);
  VariableResolver name;
  ASSERT_TRUE(name.resolveVariable(&chart.data, "name"));
  VariableResolver region;
  ASSERT_TRUE(region.resolveVariable(&chart.data, "region"));
  OBS two{2.0};
  chart.relabel.AddRelabel(1, TextCells("ann", 12).data(), kColumnName, &name);
  chart.relabel.AddRelabel(1, &two, 0, &region);
  chart.relabel.AddRelabel(2, TextCells("  bob", 12).data(), kColumnName, &name);
  chart.relabel.AddRelabel(3, TextCells("", 12).data(), kColumnName, &name);
  ASSERT_TRUE(chart.Complete());
  XVariable& column = chart.Variable("CASEVALUE_name");
  EXPECT_EQ(column.getLabel().toUTF8(), "Case Value name");
  EXPECT_EQ(Statistic(column), "none");
  EXPECT_EQ(Relabels(column), "'1'=ann '1'=Ann '2'=bob '3'= ");
}

// Value texts come in the local code page, labels already in UTF-8: each is
// converted once.
TEST(CompleteChartStatistics, ShowValuesAndLabelsOfAnotherCodePageInUtf8) {
  struct Latin1 {
    Latin1() { SetLocalCodePage("ISO-8859-1"); }
    ~Latin1() { SetLocalCodePage(""); }
  } latin1;
  CompletedChart chart(Command("NAME='g' VARIABLES=CASEVALUE(town) town", Gpl({"CASEVALUE_town", "town:cat"})));
  ASSERT_TRUE(chart.accepted);
  VariableResolver town;
  ASSERT_TRUE(town.resolveVariable(&chart.data, "town"));
  chart.relabel.AddRelabel(1, TextCells("\xF6l", 8).data(), kColumnTown, &town);
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(Relabels(chart.Variable("CASEVALUE_town")), "'1'=\xC3\xB6l '1'=\xC3\x85sa");
  EXPECT_EQ(Relabels(chart.Variable("town")), "'\xC3\xB6l'=\xC3\x85sa");
}

TEST(CompleteChartStatistics, DescribeTheEndsOfErrorBars) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEANCI(sales 90)",
                               Gpl({"region:cat", "MEANCI_sales_90", "MEANCI_sales_90_LOW", "MEANCI_sales_90_HIGH"})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  ChartString low;
  ChartString high;
  ASSERT_TRUE(chart.Statistic(0).GetIntervalLabels(low, high));
  XVariable& lowEnd = chart.Variable("MEANCI_sales_90_LOW");
  XVariable& highEnd = chart.Variable("MEANCI_sales_90_HIGH");
  EXPECT_EQ(lowEnd.getLabel().toUTF8(), low.toUTF8());
  EXPECT_EQ(highEnd.getLabel().toUTF8(), high.toUTF8());
  EXPECT_NE(low.toUTF8(), high.toUTF8());
  EXPECT_EQ(lowEnd.getCreator(), 2);
  EXPECT_EQ(highEnd.getCreator(), 2);
  EXPECT_EQ(Statistic(lowEnd), "8 0 0 0 false");
  EXPECT_EQ(Statistic(highEnd), "9 0 0 0 false");
  EXPECT_EQ(Format(lowEnd), "number 2 grouped '$' ''");
  EXPECT_EQ(Format(highEnd), "number 2 grouped '$' ''");
  EXPECT_EQ(Statistic(chart.Variable("MEANCI_sales_90")), "2 0 0 0 false");
  EXPECT_TRUE(chart.session.Messages().empty());
}

TEST(CompleteChartStatistics, ReportInfiniteErrorBarsOncePerStatisticAndStillDescribeTheEnds) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEDIANCI(sales 90) MEDIANCI(cost 90) MEANCI(cost 95)",
                               Gpl({"region:cat", "MEDIANCI_sales_90", "MEDIANCI_sales_90_LOW", "MEDIANCI_sales_90_HIGH",
                                    "MEDIANCI_cost_90", "MEANCI_cost_95"})));
  ASSERT_TRUE(chart.accepted);
  double low = 0;
  double high = 0;
  double infinity = std::numeric_limits<double>::infinity();
  chart.Statistic(0).ComputeInterval(5, AggregationResult(5, -infinity, 7), 10, low, high);
  chart.Statistic(1).ComputeInterval(5, AggregationResult(5, 1, infinity), 10, low, high);
  ASSERT_TRUE(chart.Statistic(0).HasMissingBound());
  ASSERT_TRUE(chart.Statistic(1).HasMissingBound());
  ASSERT_TRUE(chart.Complete());
  // The second median interval lacks its ends in the chart; the mean interval has no missing bound.
  EXPECT_EQ(chart.session.Messages(), (Messages{{2, "Infinite error bars have been removed from the chart..."},
                                                {2, "Infinite error bars have been removed from the chart..."}}));
  EXPECT_EQ(chart.Variable("MEDIANCI_sales_90_LOW").getCreator(), 2);
  EXPECT_EQ(Statistic(chart.Variable("MEDIANCI_sales_90_HIGH")), "9 0 0 0 false");
}

TEST(CompleteChartStatistics, AColumnUsedTwiceIsDescribedOnceAndSharesItsFormat) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEAN(sales)", Gpl({"region:cat", "MEAN_sales", "MEAN_sales"})));
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(chart.Variable("MEAN_sales", 0).getLabel().toUTF8(), "Mean Sales");
  EXPECT_EQ(chart.Variable("MEAN_sales", 1).getLabel().toUTF8(), "");
  EXPECT_EQ(Format(chart.Variable("MEAN_sales", 1)), "number 2 grouped '$' ''");
}

// ---------------------------------------------------------------------------
// Variables.

TEST(CompleteChartVariables, DescribeEveryUseOfACategoricalVariableWithItsValueLabels) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region sales COUNT()", Gpl({"region:cat", "sales", "region:cat"})));
  ASSERT_TRUE(chart.Complete());
  for (int n : {0, 1}) {
    XVariable& region = chart.Variable("region", n);
    EXPECT_EQ(region.getLabel().toUTF8(), "region");
    EXPECT_EQ(region.getShortLabel().toUTF8(), "region");
    EXPECT_EQ(region.getCreator(), 0);
    EXPECT_EQ(region.getVEXAVariableName(), "region");
    EXPECT_EQ(Relabels(region), "1=North 2=South");
  }
  XVariable& sales = chart.Variable("sales");
  EXPECT_EQ(sales.getLabel().toUTF8(), "Sales");
  EXPECT_EQ(sales.getVEXAVariableName(), "sales");
  EXPECT_EQ(Relabels(sales), "");
}

TEST(CompleteChartVariables, RelabelStringValuesAndTheCategoriesOfSets) {
  CompletedChart chart(Command("NAME='g' VARIABLES=name $cs $dq COUNT()", Gpl({"name:cat", "$cs:cat", "$dq:cat"})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(Relabels(chart.Variable("name")), "'ann'=Ann");
  EXPECT_EQ(Relabels(chart.Variable("$cs")), "'1'=North '2'=South '4'=West");
  EXPECT_EQ(Relabels(chart.Variable("$dq")), "'q1'=Tea 'q2'=Coffee");
  EXPECT_EQ(chart.Variable("$cs").getLabel().toUTF8(), "Regions");
}

TEST(CompleteChartVariables, AWeightedUnaggregatedDataSetGetsTheGraphsWeightVariable) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region sales", Gpl({"sales"})), kColumnWeight);
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  ASSERT_EQ(chart.Count("$WEIGHT"), 1);
  XVariable& weight = chart.Variable("$WEIGHT");
  EXPECT_EQ(weight.getSource(), "g");
  EXPECT_EQ(weight.getLabel().toUTF8(), "Weight");
  EXPECT_EQ(weight.getCreator(), 1);
  EXPECT_FALSE(weight.getCategorical());
  // The variables the chart leaves out are made for the source and described.
  XVariable& caseNumber = chart.Variable("$CASENUM");
  EXPECT_EQ(caseNumber.getSource(), "g");
  EXPECT_EQ(caseNumber.getLabel().toUTF8(), "Case Number");
  EXPECT_EQ(caseNumber.getCreator(), 1);
  XVariable& region = chart.Variable("region");
  EXPECT_EQ(region.getSource(), "g");
  EXPECT_TRUE(region.getCategorical());
  EXPECT_EQ(Relabels(region), "1=North 2=South");
}

TEST(CompleteChartVariables, AWeightTheChartReadsIsNotMadeAgain) {
  CompletedChart chart(Command("NAME='g' VARIABLES=sales", Gpl({"sales", "$WEIGHT:cat"})), kColumnWeight);
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(chart.Count("$WEIGHT"), 1);
  EXPECT_EQ(chart.Variable("$WEIGHT").getLabel().toUTF8(), "Weight");
  EXPECT_FALSE(chart.Variable("$WEIGHT").getCategorical());
}

TEST(CompleteChartVariables, AnAggregatedDataSetGetsNoSystemVariables) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEAN(sales)", Gpl({"MEAN_sales"})), kColumnWeight);
  ASSERT_TRUE(chart.Complete());
  EXPECT_EQ(chart.Count("$WEIGHT"), 0);
  EXPECT_EQ(chart.Count("$CASENUM"), 0);
  EXPECT_TRUE(chart.Variable("region").getCategorical());
}

// ---------------------------------------------------------------------------
// VARSTOCASES.

struct VarsToCasesCase {
  const char* variables;
  const char* summaryLabel;
  const char* indexLabel;
  const char* indexRelabels;
  const char* summaryStatistic;
  const char* summaryFormat;
};

void PrintTo(const VarsToCasesCase& c, std::ostream* out) { *out << c.variables; }

class VarsToCasesLabels : public ::testing::TestWithParam<VarsToCasesCase> {};

TEST_P(VarsToCasesLabels, NameWhatTheRowsShareAndWhatTellsThemApart) {
  const VarsToCasesCase& c = GetParam();
  CompletedChart chart(Command(std::string("NAME='g' VARIABLES=") + c.variables + " TRANSFORM=VARSTOCASES",
                               Gpl({"region:cat", "#SUMMARY", "#INDEX:cat", "#LOW", "#HIGH"})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  XVariable& summary = chart.Variable("#SUMMARY");
  XVariable& index = chart.Variable("#INDEX");
  EXPECT_EQ(summary.getLabel().toUTF8(), c.summaryLabel);
  EXPECT_EQ(index.getLabel().toUTF8(), c.indexLabel);
  EXPECT_EQ(Relabels(index), c.indexRelabels);
  EXPECT_EQ(Statistic(summary), c.summaryStatistic);
  EXPECT_EQ(Format(summary), c.summaryFormat);
  EXPECT_EQ(summary.getCreator(), 0);
  EXPECT_EQ(index.getCreator(), 0);
  for (const char* end : {"#LOW", "#HIGH"}) {
    EXPECT_EQ(chart.Variable(end).getCreator(), 0);
    EXPECT_EQ(Format(chart.Variable(end)), c.summaryFormat);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shares, VarsToCasesLabels,
    ::testing::Values(
        // One statistic, variables differ: decimals and signs differ too.
        VarsToCasesCase{"region MEAN(sales) MEAN(cost)", "Mean", "Variables", "#0=Sales #1=Cost", "2 0 0 0 false",
                        "number 0 grouped '' ''"},
        // Statistics differ over one variable: the last statistic stays.
        VarsToCasesCase{"region MEAN(sales) MEDIAN(sales)", "Sales", "Statistics", "#0=Mean #1=Median",
                        "3 0 0 0 false", "number 2 grouped '$' ''"},
        // Both differ.
        VarsToCasesCase{"region MEAN(sales) SUM(cost)", "Summary", "Variables", "#0=Mean Sales #1=Sum Cost",
                        "5 0 0 0 false", "number 0 grouped '' ''"},
        // Everything shared.
        VarsToCasesCase{"region PTILE(cost 10) PTILE(cost 90)", "Ptile 90", "Cost", "#0=Cost #1=Cost",
                        "15 90 0 0 false", "number 1 grouped '' ''"},
        // Dates without decimals: the shared variable's own format.
        VarsToCasesCase{"region MEDIAN(when) MEAN(when)", "when", "Statistics", "#0=Median #1=Mean", "2 0 0 0 false",
                        kWhenFormat.c_str()}));

TEST(CompleteChartVarsToCases, UnaggregatedRowsAreTheVariables) {
  CompletedChart chart(Command("NAME='g' VARIABLES=sales cost TRANSFORM=VARSTOCASES",
                               Gpl({"#SUMMARY", "#INDEX:cat", "$CASENUM"})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  XVariable& index = chart.Variable("#INDEX");
  EXPECT_EQ(chart.Variable("#SUMMARY").getLabel().toUTF8(), "Summary");
  EXPECT_EQ(index.getLabel().toUTF8(), "Variables");
  EXPECT_EQ(Relabels(index), "#0=Sales #1=Cost");
  EXPECT_EQ(Format(chart.Variable("#SUMMARY")), "none");
  EXPECT_EQ(chart.Variable("$CASENUM").getLabel().toUTF8(), "Case Number");
  // The stacked variables are no columns of their own.
  EXPECT_EQ(chart.Count("sales"), 0);
  EXPECT_EQ(chart.Count("cost"), 0);
}

TEST(CompleteChartVarsToCases, AMissingColumnEndsOnlyItsOwnSteps) {
  CompletedChart chart(Command("NAME='g' VARIABLES=region MEAN(sales) TRANSFORM=VARSTOCASES(SUMMARY='s' HIGH='h')",
                               Gpl({"region:cat", "s", "h"})));
  ASSERT_TRUE(chart.accepted);
  ASSERT_TRUE(chart.Complete());
  XVariable& summary = chart.Variable("s");
  EXPECT_EQ(Statistic(summary), "2 0 0 0 false");
  EXPECT_EQ(summary.getLabel().toUTF8(), "");
  EXPECT_EQ(Format(summary), "number 2 grouped '$' ''");
  EXPECT_EQ(Format(chart.Variable("h")), "number 2 grouped '$' ''");
}

}  // namespace
