// Every example of examples/ drawn through the real node renderer: each
// picture read back and held against the chart's data table and labels.

#include <gtest/gtest.h>

#include <map>

#include "chartlib/render/PictureFileName.h"
#include "tests/drawing/ChartTable.h"
#include "tests/drawing/DrawnRun.h"

namespace {

using nlohmann::json;

// What the pictures of one example show.
struct ExamplePictures {
  const char* example;
  const char* data;
  std::size_t pictures;               // one per split group
  const char* item;                   // the kind of the items counted: "bar", "point", "line mark"
  std::vector<std::string> drawnRows = {};  // one item per table row with these columns present; empty: count below
  std::size_t count = 0;               // the item count when drawnRows is empty
  std::string xTitle = {}, yTitle = {};
  std::vector<std::string> xLabels = {};  // the category axis's tick texts in order; empty when not categorical
  std::vector<std::string> legendLabels = {};
};

void PrintTo(const ExamplePictures& facts, std::ostream* out) { *out << facts.example; }

const std::vector<std::string> kStages = {"Stage 1", "Stage 2", "Stage 3", "Stage 4"};

const ExamplePictures kExamples[] = {
    {.example = "bar-means-error-bars", .data = "pbc", .pictures = 1, .item = "bar",
     .drawnRows = {"stage", "MEAN_bili"}, .xTitle = "Histologic stage of disease",
     .yTitle = "Mean serum bilirubin (mg/dl)", .xLabels = kStages},
    {.example = "clustered-bars", .data = "haireyecolor", .pictures = 1, .item = "bar",
     .drawnRows = {"Hair", "Eye", "COUNT"}, .xTitle = "Hair colour", .yTitle = "Count",
     .xLabels = {"Black", "Blond", "Brown", "Red"}, .legendLabels = {"Blue", "Brown", "Green", "Hazel"}},
    {.example = "filtered", .data = "pbc", .pictures = 1, .item = "bar", .drawnRows = {"trt", "COUNT"},
     .xTitle = "Treatment", .yTitle = "Count", .xLabels = {"D-penicillamine", "Placebo"}},
    {.example = "gpl-file", .data = "airquality", .pictures = 5, .item = "line mark", .count = 1,
     .xTitle = "Day of month", .yTitle = "Mean ozone (ppb), 13:00 to 15:00, Roosevelt Island"},
    {.example = "histogram", .data = "pbc", .pictures = 1, .item = "bar", .count = 6, .xTitle = "Age in years",
     .yTitle = "Count"},
    {.example = "multiple-response", .data = "pbc", .pictures = 1, .item = "bar", .drawnRows = {"$signs", "COUNT"},
     .xTitle = "Clinical signs present", .yTitle = "Count",
     .xLabels = {"Ascites", "Enlarged liver", "Spider angiomata"}},
    {.example = "scatter-fit-line", .data = "pbc", .pictures = 1, .item = "point", .drawnRows = {"bili", "albumin"},
     .xTitle = "Serum bilirubin (mg/dl)", .yTitle = "Serum albumin (g/dl)"},
    {.example = "several-statistics", .data = "pbc", .pictures = 1, .item = "line mark", .count = 2,
     .xTitle = "Histologic stage of disease", .yTitle = "Serum cholesterol (mg/dl)", .xLabels = kStages,
     .legendLabels = {"Mean", "Median"}},
    {.example = "split-by-month", .data = "airquality", .pictures = 5, .item = "point", .drawnRows = {"Temp", "Ozone"},
     .xTitle = "Maximum daily temperature (degrees F), LaGuardia Airport",
     .yTitle = "Mean ozone (ppb), 13:00 to 15:00, Roosevelt Island"},
    {.example = "template", .data = "pbc", .pictures = 1, .item = "bar", .drawnRows = {"stage", "sex", "MEAN_age"},
     .xTitle = "Histologic stage of disease", .yTitle = "Mean Age in years", .xLabels = kStages,
     .legendLabels = {"Female", "Male"}},
};

const SvgPicture::Axis* AxisOf(const std::vector<SvgPicture::Axis>& axes, char orient) {
  for (const SvgPicture::Axis& axis : axes)
    if (axis.orient == orient) return &axis;
  return nullptr;
}

void ExpectAxis(const SvgPicture& picture, char orient, const std::string& title,
                const std::vector<std::string>& labels) {
  std::vector<SvgPicture::Axis> axes = picture.Axes();
  const SvgPicture::Axis* axis = AxisOf(axes, orient);
  ASSERT_NE(axis, nullptr) << orient << "-axis";
  EXPECT_EQ(axis->title, title) << orient << "-axis";
  if (!labels.empty()) {
    EXPECT_EQ(axis->labels, labels) << orient << "-axis";
  }
}

class ExampleDrawn : public ::testing::TestWithParam<ExamplePictures> {};

TEST_P(ExampleDrawn, PicturesShowTheTableWithItsLabels) {
  const ExamplePictures& facts = GetParam();
  DrawnRun run = DrawExample(facts.example, facts.data);
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  EXPECT_TRUE(run.OfType("message").empty()) << run.cli.output;
  std::vector<json> charts = run.OfType("chart");
  std::vector<std::string> svgs = run.Files("svg");
  ASSERT_EQ(charts.size(), facts.pictures);
  ASSERT_EQ(svgs.size(), facts.pictures);
  EXPECT_EQ(run.Files("png").size(), facts.pictures);
  for (std::size_t i = 0; i < charts.size(); ++i) {
    // Each example sends one chart: number 1, its split groups -2, -3, ...
    std::string file = PictureFileStem(1, charts[i]["description"], static_cast<int>(i) + 1) + ".svg";
    SCOPED_TRACE(file);
    ASSERT_TRUE(charts[i].contains("vegaLite"));
    SvgPicture picture = run.Picture(file);
    ASSERT_TRUE(picture.Ok());
    EXPECT_EQ(picture.Title(), charts[i]["description"]);
    EXPECT_EQ(picture.Subtitle(), charts[i]["subtitle"]);
    ChartTable table(charts[i]);
    std::size_t items = facts.drawnRows.empty() ? facts.count : table.RowsWithValues(facts.drawnRows);
    EXPECT_EQ(picture.Items(facts.item).size(), items) << facts.item;
    ExpectAxis(picture, 'X', facts.xTitle, facts.xLabels);
    ExpectAxis(picture, 'Y', facts.yTitle, {});
    if (!facts.legendLabels.empty()) {
      ASSERT_EQ(picture.Legends().size(), 1u);
      EXPECT_EQ(picture.Legends()[0].labels, facts.legendLabels);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Gallery, ExampleDrawn, ::testing::ValuesIn(kExamples),
                         [](const auto& info) {
                           std::string name = info.param.example;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// The value each bar shows for its category, read from the picture.
std::map<std::string, std::string> BarValues(const SvgPicture& picture, const std::string& x, const std::string& y) {
  std::map<std::string, std::string> values;
  for (const SvgPicture::Item& bar : picture.Items("bar")) values[bar.fields.at(x)] = bar.fields.at(y);
  return values;
}

TEST(ExampleMapping, EachBarAndErrorBarStandsForItsOwnRow) {
  DrawnRun run = DrawExample("bar-means-error-bars", "pbc", "--svg");
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  SvgPicture picture = run.Picture(run.Files("svg").at(0));
  ChartTable table(run.OfType("chart").at(0));
  std::map<std::string, std::string> bars =
      BarValues(picture, "Histologic stage of disease", "Mean serum bilirubin (mg/dl)");
  ASSERT_EQ(bars.size(), table.Rows());
  std::vector<SvgPicture::Item> errorBars = picture.Items("errorbar");
  ASSERT_EQ(errorBars.size(), table.Rows());
  for (std::size_t row = 0; row < table.Rows(); ++row) {
    std::string stage = table.Shown("stage", row);
    EXPECT_TRUE(ShowsNumber(bars[stage], table.Column("MEAN_bili")[row].get<double>())) << stage << ": " << bars[stage];
    bool found = false;
    for (const SvgPicture::Item& bar : errorBars) {
      if (bar.fields.at("Histologic stage of disease") != stage) continue;
      found = true;
      EXPECT_TRUE(ShowsNumber(bar.fields.at("LOW_bili"), table.Column("LOW_bili")[row].get<double>())) << stage;
      EXPECT_TRUE(ShowsNumber(bar.fields.at("HIGH_bili"), table.Column("HIGH_bili")[row].get<double>())) << stage;
    }
    EXPECT_TRUE(found) << stage;
  }
}

TEST(ExampleMapping, HistogramBinsCountEveryCase) {
  DrawnRun run = DrawExample("histogram", "pbc", "--svg");
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  SvgPicture picture = run.Picture(run.Files("svg").at(0));
  ChartTable table(run.OfType("chart").at(0));
  double total = 0;
  for (const SvgPicture::Item& bin : picture.Items("bar")) total += std::stod(bin.fields.at("Count"));
  EXPECT_EQ(total, table.RowsWithValues({"age"}));
}

TEST(ExampleMapping, ClusteredBarsKeepEachCountWithItsPair) {
  DrawnRun run = DrawExample("clustered-bars", "haireyecolor", "--svg");
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  SvgPicture picture = run.Picture(run.Files("svg").at(0));
  ChartTable table(run.OfType("chart").at(0));
  std::map<std::pair<std::string, std::string>, std::string> shown;
  for (const SvgPicture::Item& bar : picture.Items("bar"))
    shown[{bar.fields.at("Hair colour"), bar.fields.at("Eye colour")}] = bar.fields.at("Count");
  ASSERT_EQ(shown.size(), table.Rows());
  for (std::size_t row = 0; row < table.Rows(); ++row) {
    auto pair = std::make_pair(table.Shown("Hair", row), table.Shown("Eye", row));
    EXPECT_TRUE(ShowsNumber(shown[pair], table.Column("COUNT")[row].get<double>())) << pair.first << "/" << pair.second;
  }
}

}  // namespace
