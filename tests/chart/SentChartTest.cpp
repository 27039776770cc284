#include <gtest/gtest.h>

#include "OBS.h"
#include "VEXA_Variable.h"
#include "VarDataProcessor.h"
#include "XDocument.h"
#include "XGraph.h"
#include "tests/chart/CapturedOutput.h"

namespace {

class FakeVariable : public VEXA_Variable {
 public:
  const char* GetName() const override { return "salary"; }
  const char* GetLabel() const override { return "Current Salary"; }
  int GetType() const override { return 0; }
  VEXA_Format GetFormat() const override { return PackFormat(5, 8, 2); }
  VEXA_Format GetFormatEx() const override { return GetFormat(); }
  int GetMeasurementLevel() const override { return kLevelScale; }
  VEXA_ValueLabelMap* GetValueLabels() const override { return nullptr; }
  int GetDisplayWidth() const override { return 8; }
  int IsMissing(const OBS*) const override { return 0; }
};

const char* kGpl = R"(SOURCE: s=userSource(id("staff"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: salary=col(source(s), name("MEAN_salary"))
ELEMENT: interval(position(jobcat*salary)))";

// A chart as the module completes it: data, options and variable metadata.
struct CompletedChart {
  VarDataProcessor table;
  XDocument document{kGpl, true, true};
  FakeVariable salary;

  CompletedChart() {
    table.AddDataSource("staff", 100);
    VarDataColumn jobcat, mean;
    table.AddVariable("staff", "jobcat", &jobcat);
    table.AddVariable("staff", "MEAN_salary", &mean);
    for (int row = 0; row < 12; ++row) table.SetVariableValue(jobcat, row, row % 3 + 1);
    table.SetVariableValue(mean, 0, 30000.5);
    table.SetVariableValue(mean, 1, kSysMiss);
    table.SetStringVariableValue(mean, 3, "n/a");
    table.AddDataSource("empty", 1);

    document.SetDescription("Mean salary; gender = 2");
    document.getGraph()->setSubTitle("Gender: 2");
    document.SetChartData(&table);
    document.SetDataHandle("staff", "*");
    document.setStyleSheet("Default", "<styleSheet/>");
    document.setEditable(1);
    document.setEditor(2);
    document.SetChartTemplate("a.sgt");
    document.SetChartTemplate("b.sgt");
    document.SetName("GGRAPH");
    document.AddImmediateTemplate("<addFitLine target=\"pair\"/>");
    document.AddCSVFile("extra.csv");
    document.AddColorSpec(XDocument::ColorSpec(1, 255, 0, 0));
    document.SetOuterFrame(1);
    document.SetYAxisGridlines(2);

    XGraph* graph = document.getGraph();
    XVariable* job = graph->getVariable("jobcat", 0);
    job->setLabel("Employment Category");
    job->setShortLabel("jobcat");
    job->setCreator(0);
    job->addRelabel(1.0, "Clerical");
    job->addRelabel(ChartString("2"), "Custodial");
    job->addRelabel(2, "Manager");
    XVariable* summary = graph->getVariable("MEAN_salary", 0);
    summary->setLabel("Mean Current Salary");
    summary->setStatistic(2, 0, 0, 0, false);
    summary->SetNumberFormat(2, true, "$", "");
    summary->setVEXAVariable(&salary);
    XVariable* weight = graph->createWeightVariable("staff");
    weight->setCreator(1);
    weight->setFormatBasedOnVEXAVariable(&salary);
  }
};

TEST(SentChart, CarriesTheDocumentItsDataAndEveryVariableWithItsMetadata) {
  CapturedOutput output;
  CompletedChart chart;
  EXPECT_TRUE(chart.document.SendChart(true, true, false));
  EXPECT_FALSE(chart.document.SendChart(false, false, false));
  auto items = output.Items();
  ASSERT_EQ(items.size(), 1u);
  nlohmann::json expected = nlohmann::json::parse(R"({
    "type": "chart", "kind": "gpl", "description": "Mean salary; gender = 2", "subtitle": "Gender: 2",
    "later": true, "name": "GGRAPH", "comment": "", "editor": 2, "editable": false, "doNotModify": false,
    "styleSheet": {"name": "Default", "content": "<styleSheet/>"}, "dataMap": null, "referenceMap": null,
    "templates": ["a.sgt", "b.sgt"], "immediateTemplates": ["<addFitLine target=\"pair\"/>"],
    "csvFiles": ["extra.csv"], "colors": [{"position": 1, "red": 255, "green": 0, "blue": 0}],
    "frames": {"outer": 1, "inner": 0}, "gridlines": {"x": 0, "y": 2},
    "dataHandles": [{"source": "staff", "dataSet": "*"}],
    "data": {"sources": [
      {"name": "staff", "rows": 12, "columns": [
        {"name": "jobcat", "values": [1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3]},
        {"name": "MEAN_salary", "values": [30000.5, null, null, "n/a", null, null, null, null, null, null, null, null]}]},
      {"name": "empty", "rows": 0, "columns": []}]},
    "variables": [
      {"name": "jobcat", "source": "staff", "label": "Employment Category", "shortLabel": "jobcat",
       "categorical": true, "creator": 0, "weight": false, "format": null,
       "relabels": [{"value": 1, "label": "Clerical"}, {"value": "2", "label": "Custodial"},
                    {"value": 2, "byIndex": true, "label": "Manager"}],
       "engineVariable": null},
      {"name": "MEAN_salary", "source": "staff", "label": "Mean Current Salary", "shortLabel": "",
       "categorical": false, "creator": -1, "weight": false,
       "statistic": {"kind": 2, "a": 0, "b": 0, "c": 0, "flag": false},
       "format": {"kind": "number", "decimals": 2, "grouping": true, "prefix": "$", "suffix": ""},
       "relabels": [], "engineVariable": "salary"},
      {"name": "$WEIGHT", "source": "staff", "label": "", "shortLabel": "", "categorical": false, "creator": 1,
       "weight": true,
       "format": {"kind": "packed", "packed": 329730, "type": 5, "width": 8, "decimals": 2, "variable": "salary"},
       "relabels": [], "engineVariable": null}]
  })");
  expected["gpl"] = kGpl;
  // The drawing's Vega-Lite JSON has tests of its own (tests/render, tests/drawing).
  ASSERT_TRUE(items[0].contains("vegaLite"));
  items[0].erase("vegaLite");
  EXPECT_EQ(items[0], expected) << items[0].dump(2);
}

TEST(SentChart, TheDocumentTextIsTheSentItem) {
  CapturedOutput output;
  CompletedChart chart;
  chart.document.SendChart(true, false, false);
  auto items = output.Items();
  // The sent item is the document and its drawing.
  items[0].erase("vegaLite");
  EXPECT_EQ(nlohmann::json::parse(chart.document.getChartXML()), items[0]);
  EXPECT_EQ(chart.document.AsUTF8(), chart.document.getChartXML());
}

TEST(SentChart, TheListingShowsTheSizeAndTheFirstRowsOnly) {
  CapturedOutput output;
  CompletedChart chart;
  chart.document.SendChart(true, false, false);
  std::string listing = output.Listing();
  EXPECT_NE(listing.find("Chart: Mean salary; gender = 2\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Source staff: 12 rows, 2 columns"), std::string::npos) << listing;
  // Value labels beside the codes, numbers in their variable's format.
  EXPECT_NE(listing.find("  1 Clerical | $30000.50\n    2 | .\n    3 | \n    1 Clerical | n/a\n    2 | \n"
                         "    ... 7 more rows"),
            std::string::npos)
      << listing;
}

TEST(SentChart, AThumbnailCarriesTheTableSizesWithoutValues) {
  CapturedOutput output;
  CompletedChart chart;
  chart.document.SendChart(true, false, true);
  auto items = output.Items();
  EXPECT_EQ(items[0]["thumbnail"], true);
  EXPECT_EQ(items[0]["data"]["sources"][0]["rows"], 12);
  EXPECT_FALSE(items[0]["data"]["sources"][0]["columns"][0].contains("values"));
}

TEST(SentChart, TextsThatAreNotUtf8AreRepairedSoTheDocumentStaysValid) {
  CapturedOutput output;
  VarDataProcessor table;
  table.SetStringVariableValue("s", "c", 0, "caf\xE9");
  XDocument document("ELEMENT: point(position(x))", true, true);
  document.SetChartData(&table);
  document.AddCSVFile("b\xFF.csv");
  document.SendChart(true, false, false);
  auto items = output.Items();  // parsing would throw on invalid UTF-8
  EXPECT_EQ(items[0]["data"]["sources"][0]["columns"][0]["values"][0], "caf\xEF\xBF\xBD");
  EXPECT_EQ(items[0]["csvFiles"][0], "b\xEF\xBF\xBD.csv");
}

}  // namespace
