// Chart completion through whole commands: what the chart document says
// about itself and about its variables once the command and the data have
// filled it.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

// region (North, South; 3 alone in its group) and r2 (Second South, West)
// are labelled codes, sales and cost are labelled amounts, q1 and q2 answer
// 1 for yes, w weighs the cases, name is a text with one labelled value. $regions holds the categories of region and r2, $drinks the
// yes answers of q1 and q2.
const char* kSchema = R"({
  "fields": [
    {"name": "region", "type": "integer", "categories": [{"value": 1, "label": "North"}, {"value": 2, "label": "South"}]},
    {"name": "r2", "type": "integer", "categories": [{"value": 2, "label": "Second South"}, {"value": 4, "label": "West"}]},
    {"name": "sales", "type": "number", "title": "Sales", "displayFormat": "F8.2"},
    {"name": "cost", "type": "number", "title": "Cost", "displayFormat": "F8.1"},
    {"name": "q1", "type": "integer", "title": "Tea"},
    {"name": "q2", "type": "integer", "title": "Coffee"},
    {"name": "w", "type": "number"},
    {"name": "name", "type": "string", "width": 8, "categories": [{"value": "ann", "label": "Ann"}]}
  ],
  "weightVariable": "w",
  "multipleResponseSets": [
    {"name": "$regions", "type": "categories", "label": "Regions", "variables": ["region", "r2"]},
    {"name": "$drinks", "type": "dichotomies", "label": "Drinks", "variables": ["q1", "q2"], "countedValue": 1}
  ]
})";

const char* kCases =
    "region,r2,sales,cost,q1,q2,w,name\n"
    "1,2,10,4,1,0,1,ann\n"
    "1,4,20,5,0,1,2,  bob\n"
    "2,2,30,6,1,1,1,\n"
    "2,4,40,8,0,0,1,ann\n"
    "3,2,50,9,1,1,1,cy\n";

// GPL over the user source "g": one DATA line per column, "name:cat" for a
// categorical one.
std::string Gpl(const std::vector<std::string>& columns) {
  std::string gpl = "BEGIN GPL\nSOURCE: s=userSource(id(\"g\"))\n";
  int n = 0;
  for (const std::string& column : columns) {
    std::size_t colon = column.find(':');
    gpl += "DATA: v" + std::to_string(n++) + "=col(source(s), name(\"" + column.substr(0, colon) + "\")" +
           (colon == std::string::npos ? "" : ", unit.category()") + ")\n";
  }
  return gpl + "ELEMENT: point(position(v0))\nEND GPL\n";
}

// The chart variables of a name, in the chart's order.
std::vector<json> VariablesNamed(const json& chart, const std::string& name) {
  std::vector<json> found;
  for (const json& variable : chart["variables"])
    if (variable["name"] == name) found.push_back(variable);
  return found;
}

std::string ValueText(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  std::ostringstream out;
  out << value.get<double>();
  return out.str();
}

// "value=label ..." of a chart variable; index values as #i.
std::string Relabels(const json& variable) {
  std::string out;
  for (const json& relabel : variable["relabels"]) {
    if (!out.empty()) out += " ";
    const json& value = relabel["value"];
    out += (relabel.value("byIndex", false) ? "#" : "") + ValueText(value);
    out += "=" + relabel["label"].get<std::string>();
  }
  return out;
}

class ChartCompletion : public ::testing::Test {
 protected:
  ChartCompletion() {
    options_.dataPath = WritePackage(files_, kSchema, kCases);
    for (const char* name : {"a.sgt", "b.sgt"}) files_.Write(name, "<template/>");
  }

  // The only chart of a command over the data set "g"; fails the test when
  // the command made another number of charts or issued a message.
  json OnlyChart(const std::string& dataSet, const std::string& specOptions, const std::vector<std::string>& columns) {
    run_ = RunCommands("GGRAPH /GRAPHDATASET NAME=\"g\" " + dataSet + " /GRAPHSPEC SOURCE=INLINE " + specOptions +
                           ".\n" + Gpl(columns),
                       options_, files_.Path(""));
    auto charts = ItemsOfType(run_, "chart");
    EXPECT_TRUE(ItemsOfType(run_, "message").empty()) << run_.listing;
    EXPECT_EQ(charts.size(), 1u) << run_.listing;
    return charts.empty() ? json::object() : charts.front();
  }

  DataFiles files_;
  EngineOptions options_;
  CommandRun run_;
};

TEST_F(ChartCompletion, EditableAndTheDefaultTemplateShapeTheDocument) {
  json chart = OnlyChart("VARIABLES=region", "LABEL='By region' EDITABLE=NO TEMPLATE=['a.sgt' 'b.sgt']",
                         {"region:cat"});
  EXPECT_EQ(chart["description"], "By region");
  EXPECT_EQ(chart["editable"], false);
  EXPECT_EQ(chart["templates"], json({"a.sgt", "b.sgt"}));
  EXPECT_EQ(chart["name"], "GGRAPH");
  EXPECT_EQ(chart["doNotModify"], false);
  json region = VariablesNamed(chart, "region").at(0);
  EXPECT_EQ(region["label"], "region");
  EXPECT_EQ(Relabels(region), "1=North 2=South");

  // Without the default template the document stays as its GPL made it: no
  // templates, no labels from the data, no weight made for the weighted
  // data; only the system variables are still described. (The GPL may gain
  // a declaration of sales; it stays unlabelled all the same.)
  chart = OnlyChart("VARIABLES=region sales", "EDITABLE=YES DEFAULTTEMPLATE=NO TEMPLATE=['a.sgt']",
                    {"region:cat", "$CASENUM"});
  EXPECT_EQ(chart["description"], "Graph");
  EXPECT_EQ(chart["editable"], true);
  EXPECT_EQ(chart["templates"], json::array());
  EXPECT_EQ(chart["name"], "");
  EXPECT_EQ(chart["doNotModify"], true);
  region = VariablesNamed(chart, "region").at(0);
  EXPECT_EQ(region["label"], "");
  EXPECT_EQ(Relabels(region), "");
  EXPECT_TRUE(region["engineVariable"].is_null());
  for (const json& sales : VariablesNamed(chart, "sales")) EXPECT_EQ(sales["label"], "");
  EXPECT_TRUE(VariablesNamed(chart, "$WEIGHT").empty());
  EXPECT_EQ(VariablesNamed(chart, "$CASENUM").at(0)["label"], "Case Number");
}

TEST_F(ChartCompletion, AVariableUsedTwiceIsDescribedBothTimes) {
  json chart = OnlyChart("VARIABLES=region sales COUNT()", "", {"region:cat", "sales", "region:cat"});
  std::vector<json> regions = VariablesNamed(chart, "region");
  ASSERT_EQ(regions.size(), 2u);
  for (const json& region : regions) {
    EXPECT_EQ(region["label"], "region");
    EXPECT_EQ(region["creator"], 0);
    EXPECT_EQ(region["engineVariable"], "region");
    EXPECT_EQ(Relabels(region), "1=North 2=South");
  }
  EXPECT_EQ(VariablesNamed(chart, "sales").at(0)["label"], "Sales");
}

TEST_F(ChartCompletion, CategoricalVariablesAndSetsShowTheirValueLabels) {
  json chart = OnlyChart("VARIABLES=$regions $drinks r2 sales COUNT()", "",
                         {"$regions:cat", "$drinks:cat", "r2:cat", "sales"});
  json regions = VariablesNamed(chart, "$regions").at(0);
  EXPECT_EQ(regions["label"], "Regions");
  // The union of the members' labelled values, the first member's label winning.
  EXPECT_EQ(Relabels(regions), "1=North 2=South 4=West");
  EXPECT_EQ(Relabels(VariablesNamed(chart, "$drinks").at(0)), "q1=Tea q2=Coffee");
  EXPECT_EQ(Relabels(VariablesNamed(chart, "r2").at(0)), "2=Second South 4=West");
  // A scale variable read as scale keeps its values.
  EXPECT_EQ(Relabels(VariablesNamed(chart, "sales").at(0)), "");
}

TEST_F(ChartCompletion, AWeightedUnaggregatedDataSetGetsItsWeightVariable) {
  json chart = OnlyChart("VARIABLES=region sales", "", {"sales"});
  std::vector<json> weights = VariablesNamed(chart, "$WEIGHT");
  ASSERT_EQ(weights.size(), 1u);
  EXPECT_EQ(weights[0]["source"], "g");
  EXPECT_EQ(weights[0]["label"], "Weight");
  EXPECT_EQ(weights[0]["categorical"], false);
  EXPECT_EQ(weights[0]["creator"], 1);
  EXPECT_EQ(weights[0]["weight"], true);
  // The unread variable is made for the source as well, categorical by its level.
  json region = VariablesNamed(chart, "region").at(0);
  EXPECT_EQ(region["categorical"], true);
  EXPECT_EQ(Relabels(region), "1=North 2=South");

  // Summaries are weighted already: no weight column.
  chart = OnlyChart("VARIABLES=region MEAN(sales)", "", {"region:cat", "MEAN_sales"});
  EXPECT_TRUE(VariablesNamed(chart, "$WEIGHT").empty());
}

TEST_F(ChartCompletion, CaseValuesShowTheirDataValuesAndLabels) {
  json chart = OnlyChart("VARIABLES=CASEVALUE(name)", "", {"CASEVALUE_name:cat", "$CASENUM:cat"});
  json values = VariablesNamed(chart, "CASEVALUE_name").at(0);
  EXPECT_EQ(values["label"], "Case Value name");
  // Values without their blanks, an empty value as one blank; a value's
  // label comes after its text and wins in the categorical domain.
  EXPECT_EQ(Relabels(values), "1=Ann 2=bob 3=  4=Ann 5=cy");
}

TEST_F(ChartCompletion, InfiniteErrorBarsAreReportedOncePerStatistic) {
  // Region 3 has a single case: its mean and median intervals have no
  // bounds. The median's ends are not in the chart, but its column is.
  run_ = RunCommands("GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=region MEANCI(sales 95) MEDIANCI(cost 95)"
                     " /GRAPHSPEC SOURCE=INLINE.\n" +
                         Gpl({"region:cat", "MEANCI_sales_95", "MEANCI_sales_95_LOW", "MEANCI_sales_95_HIGH", "MEDIANCI_cost_95"}),
                     options_, files_.Path(""));
  json warning = {{"type", "message"}, {"level", 2}, {"text", "Infinite error bars have been removed from the chart..."}};
  EXPECT_EQ(ItemsOfType(run_, "message"), std::vector<json>(2, warning)) << run_.listing;
  auto charts = ItemsOfType(run_, "chart");
  ASSERT_EQ(charts.size(), 1u);
  json low = VariablesNamed(charts[0], "MEANCI_sales_95_LOW").at(0);
  json high = VariablesNamed(charts[0], "MEANCI_sales_95_HIGH").at(0);
  EXPECT_EQ(low["creator"], 2);
  EXPECT_EQ(low["statistic"]["kind"], 8);
  EXPECT_EQ(high["creator"], 2);
  EXPECT_EQ(high["statistic"]["kind"], 9);
  EXPECT_EQ(low["format"], VariablesNamed(charts[0], "MEANCI_sales_95").at(0)["format"]);
}

struct VarsToCasesCase {
  const char* summaries;
  const char* summaryLabel;
  const char* indexLabel;
  const char* indexRelabels;
};

void PrintTo(const VarsToCasesCase& c, std::ostream* out) { *out << c.summaries; }

class VarsToCasesCompletion : public ChartCompletion, public ::testing::WithParamInterface<VarsToCasesCase> {};

TEST_P(VarsToCasesCompletion, LabelsTheSummaryAndIndexColumns) {
  const VarsToCasesCase& c = GetParam();
  json chart = OnlyChart(std::string("VARIABLES=region ") + c.summaries + " TRANSFORM=VARSTOCASES", "",
                         {"region:cat", "#SUMMARY", "#INDEX:cat"});
  json summary = VariablesNamed(chart, "#SUMMARY").at(0);
  json index = VariablesNamed(chart, "#INDEX").at(0);
  EXPECT_EQ(summary["label"], c.summaryLabel);
  EXPECT_EQ(index["label"], c.indexLabel);
  EXPECT_EQ(Relabels(index), c.indexRelabels);
}

INSTANTIATE_TEST_SUITE_P(
    SharedAndDiffering, VarsToCasesCompletion,
    ::testing::Values(VarsToCasesCase{"MEAN(sales) MEAN(cost)", "Mean", "Variables", "#0=Sales #1=Cost"},
                      VarsToCasesCase{"MEAN(sales) MEDIAN(sales)", "Sales", "Statistics", "#0=Mean #1=Median"},
                      VarsToCasesCase{"MEAN(sales) SUM(cost)", "Summary", "Variables", "#0=Mean Sales #1=Sum Cost"}));

}  // namespace
