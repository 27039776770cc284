// One small GPL program per drawn construct, checked on the compiled
// Vega-Lite JSON: marks, the fields each channel reads, titles.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/render/RenderChart.h"

namespace {

using json = nlohmann::json;

// stage and sex are categorical, age, chol, lo and hi scale.
const std::vector<std::pair<std::string, json>> kColumns = {
    {"stage", {1, 2, 3, 1}},        {"sex", {"m", "f", "m", "f"}},   {"age", {30, 40, 50, 60}},
    {"chol", {200, 250, 300, 350}}, {"lo", {1, 2, 3, 4}},            {"hi", {2, 3, 4, 5}},
};

std::string Program(const std::string& statements) {
  return Declare({"stage", "sex"}, {"age", "chol", "lo", "hi"}) + statements;
}

struct CoverageCase {
  const char* name;
  const char* gpl;
  std::function<void(const json& spec)> check;
};

void ExpectField(const json& encoding, const char* channel, const char* field, const char* type) {
  ASSERT_TRUE(encoding.contains(channel)) << channel << " missing in " << encoding.dump();
  EXPECT_EQ(encoding[channel].value("field", ""), field) << channel;
  EXPECT_EQ(encoding[channel].value("type", ""), type) << channel;
}

const CoverageCase kCases[] = {
    {"Point", "ELEMENT: point(position(age*chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "point");
       ExpectField(Layer(spec)["encoding"], "x", "age", "quantitative");
       ExpectField(Layer(spec)["encoding"], "y", "chol", "quantitative");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["scale"]["zero"], false) << "points are drawn over the data's extent";
     }},
    {"Line", "ELEMENT: line(position(stage*chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "line");
       ExpectField(Layer(spec)["encoding"], "x", "stage", "nominal");
     }},
    {"Area", "ELEMENT: area(position(age*chol))", [](const json& spec) { EXPECT_EQ(MarkType(Layer(spec)), "area"); }},
    {"Interval", "ELEMENT: interval(position(stage*chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "bar");
       ExpectField(Layer(spec)["encoding"], "x", "stage", "nominal");
       ExpectField(Layer(spec)["encoding"], "y", "chol", "quantitative");
       EXPECT_TRUE(Layer(spec)["encoding"]["y"]["stack"].is_null()) << "bars of one category overlap, unstacked";
       EXPECT_FALSE(Layer(spec)["encoding"]["y"].contains("scale")) << "bars start at zero";
     }},
    {"PathInDataOrder", "ELEMENT: path(position(age*chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "line");
       EXPECT_EQ(Layer(spec)["encoding"]["order"]["field"], "__row");
     }},
    {"EdgeAsRule", "ELEMENT: edge(position(age*chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "rule");
       EXPECT_TRUE(Layer(spec)["encoding"].contains("x2"));
       EXPECT_TRUE(Layer(spec)["encoding"].contains("y2"));
     }},
    {"StackedBars", "ELEMENT: interval.stack(position(stage*chol), color(sex))",
     [](const json& spec) {
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["stack"], "zero");
       ExpectField(Layer(spec)["encoding"], "color", "sex", "nominal");
     }},
    {"DodgedBars", "ELEMENT: interval.dodge(position(stage*chol), color(sex))",
     [](const json& spec) { ExpectField(Layer(spec)["encoding"], "xOffset", "sex", "nominal"); }},
    {"ClusteredBars", "COORD: rect(dim(1, 2), cluster(3, 0))\nELEMENT: interval(position(sex*chol*stage), color(sex))",
     [](const json& spec) {
       ExpectField(Layer(spec)["encoding"], "x", "stage", "nominal");
       ExpectField(Layer(spec)["encoding"], "xOffset", "sex", "nominal");
       ExpectField(Layer(spec)["encoding"], "y", "chol", "quantitative");
       EXPECT_FALSE(spec.contains("facet"));
     }},
    {"BoxPlot", "ELEMENT: schema(position(bin.quantile.letter(stage*chol)))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "boxplot");
       ExpectField(Layer(spec)["encoding"], "y", "chol", "quantitative");
     }},
    {"NestingMakesFacetColumns", "ELEMENT: interval(position(sex/stage*chol))",
     [](const json& spec) {
       EXPECT_EQ(spec["facet"]["column"]["field"], "stage");
       ExpectField(Layer(spec)["encoding"], "x", "sex", "nominal");
     }},
    {"NestingOnYMakesFacetRows", "ELEMENT: point(position(age*chol/sex))",
     [](const json& spec) { EXPECT_EQ(spec["facet"]["row"]["field"], "sex"); }},
    {"ThirdDimensionMakesFacets", "ELEMENT: point(position(age*chol*sex))",
     [](const json& spec) { EXPECT_EQ(spec["facet"]["column"]["field"], "sex"); }},
    {"Aesthetics",
     "ELEMENT: point(position(age*chol), color.exterior(sex), shape(stage), size(lo), transparency(hi))",
     [](const json& spec) {
       const json& encoding = Layer(spec)["encoding"];
       ExpectField(encoding, "stroke", "sex", "nominal");
       ExpectField(encoding, "shape", "stage", "nominal");
       ExpectField(encoding, "size", "lo", "quantitative");
       ExpectField(encoding, "opacity", "hi", "quantitative");
     }},
    {"InteriorColourFillsPoints", "ELEMENT: point(position(age*chol), color.interior(sex))",
     [](const json& spec) {
       ExpectField(Layer(spec)["encoding"], "color", "sex", "nominal");
       EXPECT_EQ(Layer(spec)["mark"]["filled"], true);
     }},
    {"LabelIsATextLayer", "ELEMENT: interval(position(stage*chol), label(chol))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec, 1)), "text");
       EXPECT_EQ(Layer(spec, 1)["encoding"]["text"]["field"], "chol");
       EXPECT_EQ(Layer(spec, 1)["encoding"]["x"], Layer(spec)["encoding"]["x"]);
     }},
    {"ConstantColour", "ELEMENT: line(position(age*chol), color(color.red))",
     [](const json& spec) { EXPECT_EQ(Layer(spec)["mark"]["color"], "red"); }},
    {"RangeIsARule", "ELEMENT: interval(position(region.spread.range(stage*(lo+hi))))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "rule");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["field"], "lo");
       EXPECT_EQ(Layer(spec)["encoding"]["y2"]["field"], "hi");
     }},
    {"RangeWithIbeamIsAnErrorBar",
     "ELEMENT: interval(position(region.spread.range(stage*(lo+hi))), shape(shape.ibeam))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "errorbar");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["field"], "lo");
       EXPECT_EQ(Layer(spec)["encoding"]["y2"]["field"], "hi");
     }},
    {"Histogram", "ELEMENT: interval(position(summary.count(bin.rect(age, binCount(5)))))",
     [](const json& spec) {
       // five bins of equal width over the data's extent (30 to 60)
       EXPECT_EQ(Layer(spec)["encoding"]["x"]["bin"]["extent"], json({30, 60}));
       EXPECT_EQ(Layer(spec)["encoding"]["x"]["bin"]["step"], 6);
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["aggregate"], "count");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["title"], "Count");
     }},
    {"BinRectAloneCountsToo", "ELEMENT: interval(position(bin.rect(age, binWidth(10))))",
     [](const json& spec) {
       EXPECT_EQ(Layer(spec)["encoding"]["x"]["bin"]["step"], 10);
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["aggregate"], "count");
     }},
    {"CountOfCategories", "ELEMENT: interval(position(summary.count(stage)))",
     [](const json& spec) {
       ExpectField(Layer(spec)["encoding"], "x", "stage", "nominal");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["aggregate"], "count");
     }},
    {"SmoothLinear", "ELEMENT: point(position(age*chol))\nELEMENT: line(position(smooth.linear(age*chol)))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec, 1)), "line");
       EXPECT_EQ(Layer(spec, 1)["transform"][0]["regression"], "chol");
       EXPECT_EQ(Layer(spec, 1)["transform"][0]["on"], "age");
     }},
    {"SmoothLoess", "ELEMENT: line(position(smooth.loess(age*chol)))",
     [](const json& spec) { EXPECT_EQ(Layer(spec)["transform"][0]["loess"], "chol"); }},
    {"Density", "ELEMENT: area(position(density.kernel.epanechnikov(age)))",
     [](const json& spec) {
       EXPECT_EQ(Layer(spec)["transform"][0]["density"], "age");
       EXPECT_EQ(Layer(spec)["encoding"]["x"]["field"], "age");
       EXPECT_EQ(Layer(spec)["encoding"]["y"]["field"], "density");
     }},
    {"Transpose", "COORD: rect(dim(1, 2), transpose())\nELEMENT: interval(position(stage*chol))",
     [](const json& spec) {
       ExpectField(Layer(spec)["encoding"], "y", "stage", "nominal");
       ExpectField(Layer(spec)["encoding"], "x", "chol", "quantitative");
     }},
    {"PolarThetaIsAPie", "COORD: polar.theta(dim(1))\nELEMENT: interval.stack(position(summary.count(sex)), color(sex))",
     [](const json& spec) {
       EXPECT_EQ(MarkType(Layer(spec)), "arc");
       EXPECT_EQ(Layer(spec)["encoding"]["theta"]["aggregate"], "count");
       ExpectField(Layer(spec)["encoding"], "color", "sex", "nominal");
     }},
    {"AestheticScaleOrdersTheLegend",
     "SCALE: cat(aesthetic(aesthetic.color.interior), include(\"f\", \"m\"))\n"
     "ELEMENT: interval.stack(position(stage*chol), color.interior(sex), shape.interior(shape.square))",
     [](const json& spec) {
       EXPECT_EQ(Layer(spec)["encoding"]["color"]["scale"]["domain"], json({"f", "m"}));
       EXPECT_FALSE(Layer(spec)["mark"].contains("shape")) << "bars are square anyway";
     }},
    {"PieOfPercentsFromAStartAngle",
     "COORD: polar.theta(startAngle(90))\nGUIDE: axis(dim(1), null())\n"
     "SCALE: linear(dim(1), dataMinimum(), dataMaximum())\n"
     "ELEMENT: interval.stack(position(summary.percent(chol, base.all())), color.interior(sex))",
     [](const json& spec) {
       const json& theta = Layer(spec)["encoding"]["theta"];
       EXPECT_EQ(theta["field"], "__value");
       EXPECT_FALSE(theta.contains("axis"));
       EXPECT_NEAR(theta["scale"]["range"][0].get<double>(), std::acos(-1.0) / 2, 1e-9);
       EXPECT_FALSE(theta["scale"].contains("zero")) << "every slice keeps its share";
     }},
    {"OnePageWithOneGraph",
     "PAGE: begin(scale(400px, 300px))\nGRAPH: begin(origin(10%, 10%), scale(85%, 80%))\n"
     "ELEMENT: point(position(age*chol), transparency(transparency.\"0.3\"), color(color.\"ff0000\"))\n"
     "GRAPH: end()\nPAGE: end()",
     [](const json& spec) {
       EXPECT_NEAR(Layer(spec)["mark"]["opacity"].get<double>(), 0.7, 1e-9);
       EXPECT_EQ(Layer(spec)["mark"]["color"], "#ff0000");
     }},
};

class Coverage : public testing::TestWithParam<CoverageCase> {};

TEST_P(Coverage, CompilesToTheExpectedVegaLite) {
  RenderChart chart(Program(GetParam().gpl), kColumns);
  json spec = chart.Spec();
  ASSERT_FALSE(spec.empty());
  EXPECT_EQ(spec["$schema"], "https://vega.github.io/schema/vega-lite/v6.json");
  EXPECT_EQ(spec["data"]["values"].size(), 4u);
  GetParam().check(spec);
}

INSTANTIATE_TEST_SUITE_P(Rows, Coverage, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CoverageCase>& info) { return info.param.name; });

struct SummaryCase {
  const char* function;
  const char* aggregate;  // the Vega aggregate op, or empty when transforms build it
  const char* title;
};

TEST(Summaries, EachFunctionAggregatesTheLastDimension) {
  const SummaryCase cases[] = {
      {"summary.count", "count", "Count"},          {"summary.sum", "sum", "Sum Cholesterol"},
      {"summary.mean", "mean", "Mean Cholesterol"}, {"summary.median", "median", "Median Cholesterol"},
      {"summary.min", "min", "Minimum Cholesterol"}, {"summary.max", "max", "Maximum Cholesterol"},
      {"summary.mode", "", "Mode Cholesterol"},     {"summary.countTrue", "", "Count True Cholesterol"},
      {"summary.percent", "", "Percent Cholesterol"}, {"summary.percent.count", "", "Percent"},
  };
  for (const SummaryCase& c : cases) {
    SCOPED_TRACE(c.function);
    bool counts = std::string(c.function) == "summary.count" || std::string(c.function) == "summary.percent.count";
    std::string position = counts ? "stage" : "stage*chol";
    RenderChart chart(Program("ELEMENT: interval(position(" + std::string(c.function) + "(" + position + ")))"),
                      kColumns);
    chart.Variable("chol").setLabel("Cholesterol");
    json spec = chart.Spec();
    const json& y = Layer(spec)["encoding"]["y"];
    EXPECT_EQ(y["title"], c.title);
    ExpectField(Layer(spec)["encoding"], "x", "stage", "nominal");
    if (*c.aggregate) {
      EXPECT_EQ(y["aggregate"], c.aggregate);
    } else {
      EXPECT_EQ(y["field"], "__value");
      EXPECT_FALSE(Layer(spec)["transform"].empty());
    }
  }
}

TEST(Guides, AxisAndLegendLabelsTitlesAndHiddenGuides) {
  RenderChart chart(Program("GUIDE: axis(dim(1), label(\"Histologic stage\"))\n"
                            "GUIDE: axis(dim(2), null())\n"
                            "GUIDE: legend(aesthetic(aesthetic.color.interior), label(\"Sex of patient\"))\n"
                            "GUIDE: text.title(label(\"My title\"))\n"
                            "GUIDE: text.footnote(label(\"Source: clinic\"))\n"
                            "ELEMENT: interval(position(stage*chol), color.interior(sex))"),
                    kColumns);
  json spec = chart.Spec();
  const json& encoding = Layer(spec)["encoding"];
  EXPECT_EQ(encoding["x"]["title"], "Histologic stage");
  EXPECT_TRUE(encoding["y"]["axis"].is_null());
  EXPECT_TRUE(encoding["y"].contains("axis"));
  EXPECT_EQ(encoding["color"]["title"], "Sex of patient");
  EXPECT_EQ(spec["title"]["text"], "My title");
  EXPECT_EQ(spec["vconcat"][0]["title"]["text"], "Source: clinic");
  EXPECT_EQ(spec["vconcat"][0]["title"]["orient"], "bottom");
}

TEST(Guides, HiddenLegend) {
  RenderChart chart(Program("GUIDE: legend(aesthetic(aesthetic.color), null())\n"
                            "ELEMENT: point(position(age*chol), color(sex))"),
                    kColumns);
  EXPECT_TRUE(Layer(chart.Spec())["encoding"]["color"]["legend"].is_null());
}

TEST(Guides, DescriptionAndSplitSubtitleTitleTheChart) {
  RenderChart chart(Program("ELEMENT: point(position(age*chol))"), kColumns);
  chart.Document().SetDescription("Cholesterol by age");
  chart.Document().getGraph()->setSubTitle("Month = 5");
  json spec = chart.Spec();
  EXPECT_EQ(spec["title"]["text"], "Cholesterol by age");
  EXPECT_EQ(spec["title"]["subtitle"], "Month = 5");
}

TEST(Scales, DomainsTypesOrderAndReverse) {
  RenderChart chart(Program("SCALE: log(dim(2), min(100), max(1000))\n"
                            "SCALE: cat(dim(1), include(\"3\", \"1\"), reverse())\n"
                            "ELEMENT: point(position(stage*chol))"),
                    kColumns);
  json spec = chart.Spec();
  const json& encoding = Layer(spec)["encoding"];
  EXPECT_EQ(encoding["y"]["scale"]["type"], "log");
  EXPECT_EQ(encoding["y"]["scale"]["domainMin"], 100);
  EXPECT_EQ(encoding["y"]["scale"]["domainMax"], 1000);
  EXPECT_EQ(encoding["x"]["scale"]["reverse"], true);
  EXPECT_EQ(encoding["x"]["sort"], json({3, 1, 2}));
}

TEST(Scales, LinearIncludeWidensTheDomain) {
  RenderChart chart(Program("SCALE: linear(dim(2), include(0, 1000))\nELEMENT: point(position(age*chol))"),
                    kColumns);
  EXPECT_EQ(Layer(chart.Spec())["encoding"]["y"]["scale"]["domain"]["unionWith"], json({0, 1000}));
}

}  // namespace
