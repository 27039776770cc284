// One small GPL program per drawn construct, all in one run (one node
// process), each picture read back: the items drawn, the axis, legend and
// facet texts, held against the chart's data table and its labels.

#include <gtest/gtest.h>

#include <map>

#include "chartlib/render/PictureFileName.h"
#include "tests/drawing/ChartTable.h"
#include "tests/drawing/DrawnRun.h"

namespace {

using nlohmann::json;

const std::string kStage = R"(DATA: stage = col(source(s), name("stage"), unit.category()))";
const std::string kSex = R"(DATA: sex = col(source(s), name("sex"), unit.category()))";
const std::string kCount = R"(DATA: N = col(source(s), name("N")))";
const std::string kAgeBili = "DATA: age = col(source(s), name(\"age\"))\nDATA: bili = col(source(s), name(\"bili\"))";
const std::vector<std::string> kStages = {"Stage 1", "Stage 2", "Stage 3", "Stage 4"};

struct Drawn {
  const char* name;
  std::string variables;  // GRAPHDATASET VARIABLES
  std::string gpl;        // after the SOURCE line
  std::map<std::string, std::size_t> items;  // kind -> count; 0 stands for the table's rows
  std::string xTitle = {}, yTitle = {};       // "-": no such axis
  std::vector<std::string> xLabels = {}, yLabels = {}, legendLabels = {}, headerLabels = {};
  std::string title = {};  // empty: the chart's description
};

const Drawn kCases[] = {
    {.name = "point", .variables = "age bili", .gpl = kAgeBili + "\nELEMENT: point(position(age*bili))",
     .items = {{"point", 0}}, .xTitle = "Age in years", .yTitle = "Serum bilirubin (mg/dl)"},
    {.name = "line", .variables = "stage MEAN(bili)[NAME=\"M\"]",
     .gpl = kStage + "\nDATA: M = col(source(s), name(\"M\"))\nELEMENT: line(position(stage*M))",
     .items = {{"line mark", 1}}, .xTitle = "Histologic stage of disease", .yTitle = "Mean Serum bilirubin (mg/dl)",
     .xLabels = kStages},
    {.name = "area", .variables = "stage MEAN(bili)[NAME=\"M\"]",
     .gpl = kStage + "\nDATA: M = col(source(s), name(\"M\"))\nELEMENT: area(position(stage*M))",
     .items = {{"area mark", 1}}, .xTitle = "Histologic stage of disease", .yTitle = "Mean Serum bilirubin (mg/dl)",
     .xLabels = kStages},
    {.name = "path", .variables = "age bili", .gpl = kAgeBili + "\nELEMENT: path(position(age*bili))",
     .items = {{"line mark", 1}}, .xTitle = "Age in years", .yTitle = "Serum bilirubin (mg/dl)"},
    {.name = "stacked", .variables = "stage sex COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kSex + "\n" + kCount + "\nELEMENT: interval.stack(position(stage*N), color(sex))",
     .items = {{"bar", 0}}, .xTitle = "Histologic stage of disease", .yTitle = "Count", .xLabels = kStages,
     .legendLabels = {"Female", "Male"}},
    {.name = "dodged", .variables = "stage sex COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kSex + "\n" + kCount + "\nELEMENT: interval.dodge(position(stage*N), color(sex))",
     .items = {{"bar", 0}}, .xTitle = "Histologic stage of disease", .yTitle = "Count", .xLabels = kStages,
     .legendLabels = {"Female", "Male"}},
    {.name = "box", .variables = "stage bili",
     .gpl = kStage + "\nDATA: bili = col(source(s), name(\"bili\"))\n"
            "ELEMENT: schema(position(bin.quantile.letter(stage*bili)))",
     .items = {{"box", 4}}, .xTitle = "Histologic stage of disease", .yTitle = "Serum bilirubin (mg/dl)",
     .xLabels = kStages},
    {.name = "facet columns", .variables = "stage sex COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kSex + "\n" + kCount + "\nELEMENT: interval(position(stage*N*sex))",
     .items = {{"bar", 0}}, .xTitle = "Histologic stage of disease", .yTitle = "Count",
     .headerLabels = {"Female", "Male"}},
    {.name = "colour and shape", .variables = "age bili sex",
     .gpl = kAgeBili + "\n" + kSex + "\nELEMENT: point(position(age*bili), color(sex), shape(sex))",
     .items = {{"point", 0}}, .xTitle = "Age in years", .yTitle = "Serum bilirubin (mg/dl)",
     .legendLabels = {"Female", "Male"}},
    {.name = "label layer", .variables = "stage COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kCount + "\nELEMENT: interval(position(stage*N), label(N))",
     .items = {{"bar", 0}, {"text mark", 0}}, .xTitle = "Histologic stage of disease", .yTitle = "Count",
     .xLabels = kStages},
    {.name = "summary mean", .variables = "stage bili",
     .gpl = kStage + "\nDATA: bili = col(source(s), name(\"bili\"))\nELEMENT: interval(position(summary.mean(stage*bili)))",
     .items = {{"bar", 4}}, .xTitle = "Histologic stage of disease", .yTitle = "Mean Serum bilirubin (mg/dl)",
     .xLabels = kStages},
    {.name = "smooth linear", .variables = "age bili",
     .gpl = kAgeBili + "\nELEMENT: point(position(age*bili))\nELEMENT: line(position(smooth.linear(age*bili)))",
     .items = {{"point", 0}, {"line mark", 1}}, .xTitle = "Age in years", .yTitle = "Serum bilirubin (mg/dl)"},
    {.name = "density", .variables = "age",
     .gpl = "DATA: age = col(source(s), name(\"age\"))\nELEMENT: area(position(density.kernel.epanechnikov(age)))",
     .items = {{"area mark", 1}}, .xTitle = "Age in years", .yTitle = "Density"},
    {.name = "guides", .variables = "stage COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kCount +
            "\nGUIDE: axis(dim(1), label(\"The stage\"))\nGUIDE: axis(dim(2), null())\n"
            "GUIDE: text.title(label(\"My title\"))\nELEMENT: interval(position(stage*N))",
     .items = {{"bar", 0}}, .xTitle = "The stage", .yTitle = "-", .xLabels = kStages, .title = "My title"},
    {.name = "transposed", .variables = "stage COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kCount + "\nCOORD: rect(dim(1,2), transpose())\nELEMENT: interval(position(stage*N))",
     .items = {{"bar", 0}}, .xTitle = "Count", .yTitle = "Histologic stage of disease", .yLabels = kStages},
    {.name = "pie", .variables = "stage COUNT()[NAME=\"N\"]",
     .gpl = kStage + "\n" + kCount + "\nCOORD: polar.theta()\nELEMENT: interval.stack(position(N), color(stage))",
     .items = {{"arc mark", 0}}, .xTitle = "-", .yTitle = "-", .legendLabels = kStages},
    {.name = "error bars", .variables = "stage MEANCI(bili, 95)[NAME=\"M\" LOW=\"L\" HIGH=\"H\"]",
     .gpl = kStage + "\nDATA: L = col(source(s), name(\"L\"))\nDATA: H = col(source(s), name(\"H\"))\n"
            "ELEMENT: interval(position(region.spread.range(stage*(L+H))), shape(shape.ibeam))",
     .items = {{"errorbar", 0}}, .xTitle = "Histologic stage of disease",
     .yTitle = "Mean Serum bilirubin (mg/dl) Std. Deviation (0.95) Low", .xLabels = kStages},
};


void PrintTo(const Drawn& drawn, std::ostream* out) { *out << drawn.name; }

std::string CommandsOf(const Drawn& drawn) {
  return "GGRAPH\n  /GRAPHDATASET NAME=\"graphdataset\" VARIABLES=" + drawn.variables +
         "\n  /GRAPHSPEC SOURCE=INLINE LABEL='" + drawn.name + "'.\nBEGIN GPL\n"
         "SOURCE: s = userSource(id(\"graphdataset\"))\n" + drawn.gpl + "\nEND GPL\n";
}

// Every case in one command file, drawn once for the whole suite.
const DrawnRun& AllDrawn() {
  static const DrawnRun run = [] {
    std::string commands;
    for (const Drawn& drawn : kCases) commands += CommandsOf(drawn);
    std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "coverage.sps";
    std::ofstream(file) << commands;
    return DrawCommandFile(file.string(), "--data " + (SourceDir() / "examples" / "data" / "pbc").string(), "--svg");
  }();
  return run;
}

std::optional<SvgPicture::Axis> AxisOf(const SvgPicture& picture, char orient) {
  for (const SvgPicture::Axis& axis : picture.Axes())
    if (axis.orient == orient) return axis;
  return std::nullopt;
}

void ExpectAxis(const SvgPicture& picture, char orient, const std::string& title,
                const std::vector<std::string>& labels) {
  std::optional<SvgPicture::Axis> axis = AxisOf(picture, orient);
  if (title == "-") {
    EXPECT_FALSE(axis) << orient << "-axis shown";
    return;
  }
  ASSERT_TRUE(axis) << orient << "-axis missing";
  EXPECT_EQ(axis->title, title) << orient;
  if (!labels.empty()) {
    EXPECT_EQ(axis->labels, labels) << orient;
  }
}

class Coverage : public ::testing::TestWithParam<Drawn> {};

TEST_P(Coverage, PictureShowsTheTable) {
  const Drawn& drawn = GetParam();
  const DrawnRun& run = AllDrawn();
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  std::size_t order = 0;
  while (order < std::size(kCases) && kCases[order].name != std::string(drawn.name)) ++order;
  std::vector<json> charts = run.OfType("chart");
  ASSERT_LT(order, charts.size());
  const json& chart = charts[order];
  ASSERT_TRUE(chart.contains("vegaLite")) << run.cli.output;
  SvgPicture picture = run.Picture(PictureFileStem(static_cast<int>(order) + 1, drawn.name, 1) + ".svg");
  ASSERT_TRUE(picture.Ok());
  ChartTable table(chart);
  for (const auto& [kind, count] : drawn.items)
    EXPECT_EQ(picture.Items(kind).size(), count ? count : table.Rows()) << kind;
  EXPECT_EQ(picture.Title(), drawn.title.empty() ? chart["description"].get<std::string>() : drawn.title);
  ExpectAxis(picture, 'X', drawn.xTitle, drawn.xLabels);
  ExpectAxis(picture, 'Y', drawn.yTitle, drawn.yLabels);
  if (!drawn.legendLabels.empty()) {
    std::vector<std::string> labels;
    for (const SvgPicture::Legend& legend : picture.Legends()) labels = legend.labels;
    EXPECT_EQ(labels, drawn.legendLabels);
  }
  EXPECT_EQ(picture.HeaderLabels(), drawn.headerLabels);
}

INSTANTIATE_TEST_SUITE_P(Constructs, Coverage, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (c == ' ') c = '_';
  return name;
});

}  // namespace
