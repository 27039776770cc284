// The examples gallery: every command file in examples/ runs over the data
// package its header names, without a message, and gives the charts it
// promises its reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

const std::filesystem::path kExamples = std::filesystem::path(GGRAPH_SOURCE_DIR) / "examples";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The package named by the example's "* Data: data/<package>" line.
std::string DataPackageOf(const std::string& commands) {
  std::smatch match;
  static const std::regex kDataLine(R"(\* Data: data/([A-Za-z0-9_-]+))");
  return std::regex_search(commands, match, kDataLine) ? match[1].str() : std::string();
}

CommandRun RunExample(const std::string& file) {
  std::string commands = ReadFile(kExamples / file);
  EngineOptions options;
  options.dataPath = (kExamples / "data" / DataPackageOf(commands)).string();
  return RunCommands(commands, options, kExamples.string());
}

std::vector<json> Charts(const CommandRun& run) { return ItemsOfType(run, "chart"); }

// The chart's only source.
const json& Source(const json& chart) { return chart["data"]["sources"].at(0); }

std::vector<std::string> ColumnNames(const json& chart) {
  std::vector<std::string> names;
  for (const json& column : Source(chart)["columns"]) names.push_back(column["name"]);
  return names;
}

const json& Column(const json& chart, const std::string& name) {
  for (const json& column : Source(chart)["columns"])
    if (column["name"] == name) return column["values"];
  static const json kNone;
  ADD_FAILURE() << "no column " << name << " in " << chart["data"].dump();
  return kNone;
}

double Sum(const json& values) {
  double sum = 0;
  for (const json& value : values)
    if (value.is_number()) sum += value.get<double>();
  return sum;
}

const json& Variable(const json& chart, const std::string& name) {
  for (const json& variable : chart["variables"])
    if (variable["name"] == name) return variable;
  static const json kNone;
  ADD_FAILURE() << "no variable " << name;
  return kNone;
}

json Relabels(const std::vector<std::pair<json, std::string>>& pairs) {
  json relabels = json::array();
  for (const auto& [value, label] : pairs) relabels.push_back({{"value", value}, {"label", label}});
  return relabels;
}

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(kExamples))
    if (entry.path().extension() == ".sps") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

// How many charts each example sends; a new example must join this table.
const std::map<std::string, std::size_t> kChartCounts = {
    {"bar-means-error-bars.sps", 1},
    {"clustered-bars.sps", 1},
    {"filtered.sps", 1},
    {"gpl-file.sps", 5},
    {"histogram.sps", 1},
    {"multiple-response.sps", 1},
    {"scatter-fit-line.sps", 1},
    {"several-statistics.sps", 1},
    {"split-by-month.sps", 5},
    {"template.sps", 1},
};

TEST(Examples, EveryExampleRunsWithoutAMessageAndSendsItsCharts) {
  std::vector<std::string> files = ExampleFiles();
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    ASSERT_TRUE(kChartCounts.count(file)) << file << " has no entry in the examples test";
    ASSERT_FALSE(DataPackageOf(ReadFile(kExamples / file)).empty()) << file << " names no data package";
    CommandRun run = RunExample(file);
    EXPECT_TRUE(ItemsOfType(run, "message").empty()) << file << "\n" << run.listing;
    auto charts = Charts(run);
    ASSERT_EQ(charts.size(), kChartCounts.at(file)) << file << "\n" << run.listing;
    for (const json& chart : charts) EXPECT_FALSE(chart["data"].is_null()) << file;
  }
}

std::vector<double> Numbers(const json& values) {
  std::vector<double> numbers;
  for (const json& value : values) numbers.push_back(value.is_number() ? value.get<double>() : -1);
  return numbers;
}

json OnlyChart(const std::string& file) {
  auto charts = Charts(RunExample(file));
  if (charts.size() != 1) {
    ADD_FAILURE() << file << " sends " << charts.size() << " charts";
    return json::object();
  }
  return charts[0];
}

// The interval columns lie symmetrically around the means, which are those of
// the stages' bilirubin; the bounds are error-bar variables.
TEST(Examples, BarsOfMeansCarryTheirConfidenceIntervals) {
  json chart = OnlyChart("bar-means-error-bars.sps");
  EXPECT_EQ(ColumnNames(chart), (std::vector<std::string>{"stage", "MEAN_bili", "LOW_bili", "HIGH_bili"}));
  EXPECT_EQ(Numbers(Column(chart, "stage")), (std::vector<double>{1, 2, 3, 4}));
  std::vector<double> means = Numbers(Column(chart, "MEAN_bili"));
  std::vector<double> low = Numbers(Column(chart, "LOW_bili"));
  std::vector<double> high = Numbers(Column(chart, "HIGH_bili"));
  const std::vector<double> expected = {1.361905, 2.453261, 2.825806, 4.427083};
  ASSERT_EQ(means.size(), 4u);
  for (std::size_t i = 0; i < means.size(); ++i) {
    EXPECT_NEAR(means[i], expected[i], 1e-6) << i;
    EXPECT_LT(low[i], means[i]) << i;
    EXPECT_NEAR(high[i] - means[i], means[i] - low[i], 1e-9) << i;
  }
  EXPECT_EQ(Variable(chart, "stage")["relabels"],
            Relabels({{1.0, "Stage 1"}, {2.0, "Stage 2"}, {3.0, "Stage 3"}, {4.0, "Stage 4"}}));
  EXPECT_EQ(Variable(chart, "MEAN_bili")["label"], "Mean Serum bilirubin (mg/dl)");
  const json& lowBound = Variable(chart, "LOW_bili");
  EXPECT_EQ(lowBound["label"], "Mean Serum bilirubin (mg/dl) Std. Deviation (0.95) Low");
  EXPECT_EQ(lowBound["creator"], 2);
  EXPECT_EQ(Variable(chart, "HIGH_bili")["creator"], 2);
}

// Clustered bars count the weighted students; the filtered chart counts only
// stages 3 and 4 and leaves out the user-missing treatment code.
TEST(Examples, CountsAreWeightedAndFiltered) {
  json clustered = OnlyChart("clustered-bars.sps");
  EXPECT_EQ(ColumnNames(clustered), (std::vector<std::string>{"Hair", "Eye", "COUNT"}));
  EXPECT_EQ(Source(clustered)["rows"], 16);
  EXPECT_EQ(Sum(Column(clustered, "COUNT")), 592);
  EXPECT_EQ(Column(clustered, "Hair")[1], "Black");
  EXPECT_EQ(Column(clustered, "Eye")[1], "Brown");
  EXPECT_EQ(Column(clustered, "COUNT")[1], 68);
  EXPECT_EQ(Variable(clustered, "Hair")["label"], "Hair colour");
  EXPECT_EQ(Variable(clustered, "COUNT")["label"], "Count");

  json filtered = OnlyChart("filtered.sps");
  EXPECT_EQ(Numbers(Column(filtered, "trt")), (std::vector<double>{1, 2}));
  EXPECT_EQ(Numbers(Column(filtered, "COUNT")), (std::vector<double>{111, 118}));
  EXPECT_EQ(Variable(filtered, "trt")["relabels"][1], json({{"value", 2.0}, {"label", "Placebo"}}));
}

// Both split examples send one chart per month, described and subtitled by
// it; the days without an ozone reading are left out.
TEST(Examples, SplitDataGivesOneChartPerMonth) {
  const std::vector<std::string> months = {"May", "June", "July", "August", "September"};
  const std::vector<int> rows = {26, 9, 26, 26, 29};
  for (const auto& [file, label] :
       {std::pair{"split-by-month.sps", "Ozone and temperature"}, std::pair{"gpl-file.sps", "Daily ozone"}}) {
    auto charts = Charts(RunExample(file));
    ASSERT_EQ(charts.size(), months.size()) << file;
    for (std::size_t i = 0; i < charts.size(); ++i) {
      EXPECT_EQ(charts[i]["description"], std::string(label) + " ; Month = " + months[i]) << file;
      EXPECT_EQ(charts[i]["subtitle"], "Month: " + months[i]) << file;
      EXPECT_EQ(charts[i]["later"], i > 0) << file;
      EXPECT_EQ(Source(charts[i])["rows"], rows[i]) << file << " " << months[i];
    }
    EXPECT_EQ(Variable(charts[0], "Ozone")["label"], "Mean ozone (ppb), 13:00 to 15:00, Roosevelt Island");
  }
  auto fromFile = Charts(RunExample("gpl-file.sps"));
  ASSERT_FALSE(fromFile.empty());
  EXPECT_NE(fromFile[0]["gpl"].get<std::string>().find("label(\"Day of month\")"), std::string::npos);
  EXPECT_EQ(ColumnNames(fromFile[0]), (std::vector<std::string>{"Day", "Ozone", "$CASENUM"}));
}

// One row per patient; the histogram's GPL gained the declarations it left
// out, the scatterplot its fit line.
TEST(Examples, CaseChartsReadOneRowPerPatient) {
  json histogram = OnlyChart("histogram.sps");
  EXPECT_EQ(ColumnNames(histogram), (std::vector<std::string>{"age", "$CASENUM"}));
  EXPECT_EQ(Source(histogram)["rows"], 418);
  EXPECT_NE(histogram["gpl"].get<std::string>().find("SOURCE:s=userSource(id(\"graphdataset\"))"), std::string::npos);
  EXPECT_EQ(Variable(histogram, "age")["label"], "Age in years");

  json scatter = OnlyChart("scatter-fit-line.sps");
  EXPECT_EQ(Source(scatter)["rows"], 418);
  EXPECT_EQ(Column(scatter, "bili")[0], 14.5);
  EXPECT_EQ(Column(scatter, "albumin")[0], 2.6);
  EXPECT_EQ(scatter["immediateTemplates"],
            json::array({R"(<addFitLine rsquared="true" target="pair" type="linear"/>)"}));
}

TEST(Examples, AMultipleResponseSetCountsEachSign) {
  json chart = OnlyChart("multiple-response.sps");
  EXPECT_EQ(Column(chart, "$signs"), json::array({"ascites", "hepato", "spiders"}));
  EXPECT_EQ(Numbers(Column(chart, "COUNT")), (std::vector<double>{24, 160, 90}));
  const json& signs = Variable(chart, "$signs");
  EXPECT_EQ(signs["label"], "Clinical signs present");
  EXPECT_EQ(signs["relabels"],
            Relabels({{"ascites", "Ascites"}, {"hepato", "Enlarged liver"}, {"spiders", "Spider angiomata"}}));
}

// VARSTOCASES stacks the mean and the median of each stage, told apart by the
// index column, which is relabelled with the statistics' names.
TEST(Examples, SeveralStatisticsBecomeOneSeriesEach) {
  json chart = OnlyChart("several-statistics.sps");
  EXPECT_EQ(ColumnNames(chart), (std::vector<std::string>{"stage", "value", "statistic"}));
  EXPECT_EQ(Numbers(Column(chart, "stage")), (std::vector<double>{1, 1, 2, 2, 3, 3, 4, 4}));
  EXPECT_EQ(Numbers(Column(chart, "statistic")), (std::vector<double>{0, 1, 0, 1, 0, 1, 0, 1}));
  std::vector<double> values = Numbers(Column(chart, "value"));
  const std::vector<double> expected = {267.846154, 239, 353.180328, 298, 415.852174, 324, 337.810526, 299};
  ASSERT_EQ(values.size(), expected.size());
  for (std::size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(values[i], expected[i], 1e-5) << i;
  EXPECT_EQ(Variable(chart, "value")["label"], "Serum cholesterol (mg/dl)");
  const json byIndex = json::parse(R"([{"value": 0, "byIndex": true, "label": "Mean"},
                                       {"value": 1, "byIndex": true, "label": "Median"}])");
  EXPECT_EQ(Variable(chart, "statistic")["relabels"], byIndex);
}

// The template's mappings reach the data: the mean age per stage and sex, with
// the labelling columns of the two labelled variables.
TEST(Examples, ATemplateChartIsFilledFromItsDataSet) {
  json chart = OnlyChart("template.sps");
  EXPECT_EQ(chart["kind"], "vizml");
  EXPECT_EQ(chart["editor"], 2);
  EXPECT_EQ(chart["styleSheet"]["name"], "Default");
  EXPECT_NE(chart["document"].get<std::string>().find("template=\"Bar\""), std::string::npos);
  EXPECT_EQ(Source(chart)["rows"], 8);
  EXPECT_EQ(Column(chart, "sex")[0], "f");
  EXPECT_NEAR(Column(chart, "MEAN_age")[0].get<double>(), 46.925241, 1e-5);
  EXPECT_NEAR(Column(chart, "MEAN_age")[7].get<double>(), 61.197568, 1e-5);
  EXPECT_EQ(Variable(chart, "MEAN_age")["label"], "Mean Age in years");
  EXPECT_EQ(Variable(chart, "sex")["relabels"], Relabels({{"m", "Male"}, {"f", "Female"}}));
}

}  // namespace
