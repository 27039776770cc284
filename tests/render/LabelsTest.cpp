// Titles, value labels and number formats as a person reads them.

#include <gtest/gtest.h>

#include "tests/render/RenderChart.h"

namespace {

using json = nlohmann::json;

const char* kBars = "ELEMENT: interval(position(stage*MEAN_bili), color(sex))";

RenderChart Bars() {
  return RenderChart(Declare({"stage", "sex"}, {"MEAN_bili"}) + kBars,
                     {{"stage", {3, 1, 2, 1}}, {"sex", {"f", "m", "f", "m"}}, {"MEAN_bili", {1.5, 2.25, 3, 4}}});
}

TEST(Labels, AxesAndLegendsTakeTheVariablesLabels) {
  RenderChart chart = Bars();
  chart.Variable("stage").setLabel("Histologic stage");
  chart.Variable("MEAN_bili").setLabel("Mean Serum bilirubin");
  chart.Variable("sex").setLabel("Sex");
  const json encoding = Layer(chart.Spec())["encoding"];
  EXPECT_EQ(encoding["x"]["title"], "Histologic stage");
  EXPECT_EQ(encoding["y"]["title"], "Mean Serum bilirubin");
  EXPECT_EQ(encoding["color"]["title"], "Sex");
}

TEST(Labels, WithoutALabelTheColumnNameTitles) {
  const json encoding = Layer(Bars().Spec())["encoding"];
  EXPECT_EQ(encoding["x"]["title"], "stage");
  EXPECT_EQ(encoding["y"]["title"], "MEAN_bili");
}

TEST(Labels, ValueLabelsReplaceValuesThatKeepTheirOrder) {
  RenderChart chart = Bars();
  chart.Variable("stage").addRelabel(1.0, "Stage one");
  chart.Variable("stage").addRelabel(3.0, "Stage three");
  chart.Variable("sex").addRelabel(ChartString("f"), "Female");
  json spec = chart.Spec();
  const json& rows = spec["data"]["values"];
  ASSERT_EQ(rows.size(), 4u);
  // each row keeps its own bar: the label goes with its value, the height with its row
  EXPECT_EQ(rows[0]["stage"], "Stage three");
  EXPECT_EQ(rows[0]["MEAN_bili"], 1.5);
  EXPECT_EQ(rows[1]["stage"], "Stage one");
  EXPECT_EQ(rows[1]["MEAN_bili"], 2.25);
  EXPECT_EQ(rows[2]["stage"], "2");  // no label: the value itself, as a text among texts
  EXPECT_EQ(rows[0]["sex"], "Female");
  EXPECT_EQ(rows[1]["sex"], "m");
  const json& encoding = Layer(spec)["encoding"];
  // numeric categories in the order of their values, whatever order the rows came in
  EXPECT_EQ(encoding["x"]["sort"], json({"Stage one", "2", "Stage three"}));
  EXPECT_EQ(encoding["color"]["scale"]["domain"], json({"Female", "m"}));
}

TEST(Labels, ScaleIncludeOrdersLabelledCategoriesByTheirValues) {
  RenderChart chart(Declare({"stage"}, {"MEAN_bili"}) + "SCALE: cat(dim(1), include(\"2\", \"3\"))\n" +
                        "ELEMENT: interval(position(stage*MEAN_bili))",
                    {{"stage", {3, 1, 2}}, {"MEAN_bili", {1, 2, 3}}});
  chart.Variable("stage").addRelabel(2.0, "Stage two");
  chart.Variable("stage").addRelabel(3.0, "Stage three");
  EXPECT_EQ(Layer(chart.Spec())["encoding"]["x"]["sort"], json({"Stage two", "Stage three", "1"}));
}

TEST(Labels, ARangeOverBarsIsTitledByTheBars) {
  RenderChart chart(Declare({"stage"}, {"MEAN_bili", "LOW", "HIGH"}) +
                        "ELEMENT: interval(position(stage*MEAN_bili))\n"
                        "ELEMENT: interval(position(region.spread.range(stage*(LOW+HIGH))), shape(shape.ibeam))",
                    {{"stage", {1, 2}}, {"MEAN_bili", {2, 3}}, {"LOW", {1, 2}}, {"HIGH", {3, 4}}});
  chart.Variable("MEAN_bili").setLabel("Mean Serum bilirubin");
  chart.Variable("LOW").setLabel("Mean Serum bilirubin Std. Deviation (0.95) Low");
  json spec = chart.Spec();
  EXPECT_EQ(Layer(spec, 1)["encoding"]["y"]["title"], "Mean Serum bilirubin");
}

TEST(Labels, MissingCellsAreNull) {
  RenderChart chart(Declare({}, {"x", "y"}) + "ELEMENT: point(position(x*y))", {{"x", {1, 2}}, {"y", {-1.7976931348623157e308, json()}}});
  json rows = chart.Spec()["data"]["values"];
  EXPECT_TRUE(rows[0]["y"].is_null());
  EXPECT_TRUE(rows[1]["y"].is_null());
}

TEST(Labels, NumbersFollowTheVariablesFormat) {
  struct FormatCase {
    const char* name;
    std::function<void(XVariable&)> set;
    const char* format;
    const char* labelExpr;  // empty: none
  };
  const FormatCase cases[] = {
      {"F8.2", [](XVariable& v) { v.setFormat(PackFormat(kFormatF, 8, 2)); }, ".2f", ""},
      {"COMMA10.1", [](XVariable& v) { v.setFormat(PackFormat(kFormatComma, 10, 1)); }, ",.1f", ""},
      {"DOLLAR10.2", [](XVariable& v) { v.setFormat(PackFormat(kFormatDollar, 10, 2)); }, ",.2f",
       "\"$\" + datum.label + \"\""},
      {"PCT8.1", [](XVariable& v) { v.setFormat(PackFormat(kFormatPct, 8, 1)); }, ".1f", "\"\" + datum.label + \"%\""},
      {"number", [](XVariable& v) { v.SetNumberFormat(3, true, "EUR ", " net"); }, ",.3f",
       "\"EUR \" + datum.label + \" net\""},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.name);
    RenderChart chart = Bars();
    c.set(chart.Variable("MEAN_bili"));
    const json y = Layer(chart.Spec())["encoding"]["y"];
    EXPECT_EQ(y["axis"]["format"], c.format);
    if (*c.labelExpr)
      EXPECT_EQ(y["axis"]["labelExpr"], c.labelExpr);
    else
      EXPECT_FALSE(y["axis"].contains("labelExpr"));
  }
}

TEST(Labels, DatesAreDrawnAsTime) {
  RenderChart chart(Declare({}, {"day", "y"}) + "ELEMENT: line(position(day*y))", {{"day", {86400, 172800}}, {"y", {1, 2}}});
  chart.Variable("day").setFormat(PackFormat(kFormatDate, 10, 0));
  json spec = chart.Spec();
  EXPECT_EQ(Layer(spec)["encoding"]["x"]["type"], "temporal");
  EXPECT_EQ(spec["data"]["values"][0]["day"], 86400000.0);
}

TEST(Labels, ColumnNamesWithDotsAreEscapedInFields) {
  RenderChart chart("SOURCE: s = userSource(id(\"graphdataset\"))\n"
                    "DATA: a = col(source(s), name(\"a.b\"))\nDATA: c = col(source(s), name(\"c\"))\n"
                    "ELEMENT: point(position(a*c))",
                    {{"a.b", {1, 2}}, {"c", {3, 4}}});
  json spec = chart.Spec();
  EXPECT_EQ(Layer(spec)["encoding"]["x"]["field"], "a\\.b");
  EXPECT_EQ(spec["data"]["values"][0]["a.b"], 1);
}

TEST(Labels, DataNamesMapToTheirColumns) {
  RenderChart chart("SOURCE: s = userSource(id(\"graphdataset\"))\n"
                    "DATA: signs = col(source(s), name(\"$signs\"), unit.category())\n"
                    "DATA: COUNT = col(source(s), name(\"COUNT\"))\n"
                    "ELEMENT: interval(position(signs*COUNT))",
                    {{"$signs", {"ascites", "hepato"}}, {"COUNT", {24, 160}}});
  json spec = chart.Spec();
  EXPECT_EQ(Layer(spec)["encoding"]["x"]["field"], "$signs");
  EXPECT_EQ(spec["data"]["values"][1]["$signs"], "hepato");
  EXPECT_EQ(spec["data"]["values"][1]["COUNT"], 160);
}

}  // namespace
