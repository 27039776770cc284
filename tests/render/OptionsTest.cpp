// Chart options sent with the document, and the XML chart form of templates.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "chartlib/templates/TemplateConversion.h"
#include "tests/render/RenderChart.h"

namespace {

using json = nlohmann::json;

RenderChart Scatter() {
  return RenderChart(Declare({"sex"}, {"age", "chol"}) + "ELEMENT: point(position(age*chol), color(sex))",
                     {{"sex", {"m", "f", "m"}}, {"age", {30, 40, 50}}, {"chol", {200, 250, 300}}});
}

TEST(Options, ColourCycleFramesAndGridlines) {
  RenderChart chart = Scatter();
  chart.Document().AddColorSpec(XDocument::ColorSpec(2, 0, 255, 0));
  chart.Document().AddColorSpec(XDocument::ColorSpec(1, 255, 0, 16));
  chart.Document().SetInnerFrame(2);
  chart.Document().SetXAxisGridlines(1);
  chart.Document().SetYAxisGridlines(2);
  json config = chart.Spec()["config"];
  EXPECT_EQ(config["range"]["category"], json({"#ff0010", "#00ff00"}));
  EXPECT_TRUE(config["view"]["stroke"].is_null());
  EXPECT_EQ(config["axisX"]["grid"], true);
  EXPECT_EQ(config["axisY"]["grid"], false);
  EXPECT_EQ(config["font"], "DejaVu Sans");
}

TEST(Options, StyleSheetColourCycleWhenNoneIsGiven) {
  RenderChart chart = Scatter();
  chart.Document().setStyleSheet("Default",
                                 "<styleSheet><style selector=\"element\" color-cycle=\"#111111 #222222\"/>"
                                 "<style selector=\"chart\" background=\"#fefefe\"/></styleSheet>");
  json config = chart.Spec()["config"];
  EXPECT_EQ(config["range"]["category"], json({"#111111", "#222222"}));
  EXPECT_EQ(config["background"], "#fefefe");
}

TEST(Options, FitLinesTotalAndPerSubgroup) {
  RenderChart total = Scatter();
  total.Document().AddImmediateTemplate(R"(<addFitLine rsquared="true" target="pair" type="linear"/>)");
  json spec = total.Spec();
  ASSERT_EQ(View(spec)["layer"].size(), 2u);
  EXPECT_EQ(Layer(spec, 1)["transform"][0]["regression"], "chol");
  EXPECT_FALSE(Layer(spec, 1)["transform"][0].contains("groupby"));

  RenderChart subgroup = Scatter();
  subgroup.Document().AddImmediateTemplate(R"(<addFitLine rsquared="true" target="subgroup" type="linear"/>)");
  spec = subgroup.Spec();
  EXPECT_EQ(Layer(spec, 1)["transform"][0]["groupby"], json({"sex"}));
  EXPECT_EQ(Layer(spec, 1)["encoding"]["color"]["field"], "sex");
}

TEST(Options, GradientFillsMarksWithoutAColourField) {
  RenderChart chart(Declare({}, {"age", "chol"}) + "ELEMENT: point(position(age*chol))",
                    {{"age", {30, 40}}, {"chol", {200, 250}}});
  chart.Document().AddImmediateTemplate(
      "<setStyle type='scatter'><style gradient-color='white' gradient-method='radial'/></setStyle>");
  EXPECT_EQ(Layer(chart.Spec())["mark"]["color"]["gradient"], "radial");
}

TemplateMapping Mapping(const char* slot, const char* variable, bool categorical) {
  TemplateMapping mapping;
  mapping.slot = slot;
  mapping.variable = variable;
  mapping.categorical = categorical;
  mapping.dataSet = RenderChart::kSource;
  mapping.label = std::string("Label of ") + variable;
  return mapping;
}

// The XML chart form of a built-in template, converted as the module converts it.
std::string Converted(const char* name, const std::vector<TemplateMapping>& mappings) {
  std::ifstream file(std::string(GGRAPH_SOURCE_DIR) + "/engine/resources/templates/" + name + ".template.xml");
  std::string templateXml((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  TemplateRequest request;
  request.mappings = mappings;
  std::string document, error;
  EXPECT_TRUE(ConvertTemplate(templateXml, request, document, error)) << error;
  return document;
}

const std::vector<std::pair<std::string, json>> kTemplateColumns = {
    {"stage", {1, 2, 1, 2}}, {"sex", {"m", "f", "f", "m"}}, {"age", {30, 40, 50, 60}}, {"chol", {1, 2, 3, 4}}};

TEST(Templates, BarIsDodgedBarsWithTitles) {
  RenderChart chart(Converted("Bar", {Mapping("x", "stage", true), Mapping("y", "age", false),
                                      Mapping("color", "sex", true)}),
                    kTemplateColumns, false);
  json spec = chart.Spec();
  const json& encoding = Layer(spec)["encoding"];
  EXPECT_EQ(MarkType(Layer(spec)), "bar");
  EXPECT_EQ(encoding["x"]["field"], "stage");
  EXPECT_EQ(encoding["x"]["title"], "Label of stage");
  EXPECT_EQ(encoding["y"]["field"], "age");
  EXPECT_EQ(encoding["xOffset"]["field"], "sex");
  EXPECT_EQ(encoding["color"]["title"], "Label of sex");
}

TEST(Templates, AnAxisLabelThatIsTheVariablesNameGivesWayToTheChartVariablesLabel) {
  TemplateMapping y = Mapping("y", "age", false);
  y.label.clear();  // the template writes the name
  RenderChart chart(Converted("Bar", {Mapping("x", "stage", true), y}), kTemplateColumns, false);
  chart.Variable("age").setLabel("Mean Age in years");
  EXPECT_EQ(Layer(chart.Spec())["encoding"]["y"]["title"], "Mean Age in years");
}

TEST(Templates, ScatterplotHistogramAndViolin) {
  RenderChart scatter(Converted("Scatterplot", {Mapping("x", "age", false), Mapping("y", "chol", false)}),
                      kTemplateColumns, false);
  EXPECT_EQ(MarkType(Layer(scatter.Spec())), "point");

  RenderChart histogram(Converted("Histogram", {Mapping("x", "age", false)}), kTemplateColumns, false);
  json spec = histogram.Spec();
  EXPECT_EQ(MarkType(Layer(spec)), "bar");
  EXPECT_EQ(Layer(spec)["encoding"]["x"]["bin"], true);
  EXPECT_EQ(Layer(spec)["encoding"]["y"]["aggregate"], "count");
  EXPECT_EQ(Layer(spec)["encoding"]["y"]["title"], "Frequency");

  RenderChart violin(Converted("Violin", {Mapping("x", "sex", true), Mapping("y", "age", false)}), kTemplateColumns,
                     false);
  spec = violin.Spec();
  EXPECT_EQ(MarkType(Layer(spec)), "area");
  EXPECT_EQ(Layer(spec)["transform"][0]["density"], "age");
  EXPECT_EQ(Layer(spec)["encoding"]["x"]["stack"], "center");
  EXPECT_EQ(spec["facet"]["column"]["field"], "sex");
}

}  // namespace
