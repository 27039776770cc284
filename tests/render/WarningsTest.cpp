// A chart the renderer cannot draw truthfully gets no picture and one
// warning naming the construct and its place in the GPL.

#include <gtest/gtest.h>

#include "chartlib/document/DocumentState.h"
#include "tests/render/RenderChart.h"

namespace {

using json = nlohmann::json;

const std::vector<std::pair<std::string, json>> kColumns = {{"x", {"a", "b"}}, {"y", {1, 2}}};

struct WarningCase {
  const char* name;
  const char* statements;  // after the declarations of x and y (lines 1 to 3)
  const char* says;        // a part of the warning's text
  int line;
  int column;
};

const WarningCase kCases[] = {
    {"UnknownElementType", "ELEMENT: sparkle(position(x*y))", "unknown element type \"sparkle\"", 4, 10},
    {"UnknownStatement", "ELEMNT: interval(position(x*y))", "unknown statement \"ELEMNT\"", 4, 1},
    {"UnknownFunction", "ELEMENT: interval(position(summary.average(x*y)))", "unknown function \"summary.average\"", 4,
     28},
    {"UnknownAesthetic", "ELEMENT: interval(position(x*y), glow(x))", "unknown element option \"glow\"", 4, 34},
    {"UndeclaredName", "ELEMENT: interval(position(x*z))", "\"z\", which no DATA statement declares", 4, 30},
    {"UndrawnElement", "ELEMENT: polygon(position(x*y))", "does not draw element type \"polygon\"", 4, 10},
    {"UndrawnCoordinate", "COORD: polar(dim(1))\nELEMENT: interval(position(x*y))", "does not draw coordinate \"polar\"",
     4, 8},
    {"UndrawnStatement", "TRANS: z = eval(y * 2)\nELEMENT: interval(position(x*y))", "does not draw TRANS", 4, 1},
    {"UndrawnGuideOption", "GUIDE: axis(dim(1), delta(5))\nELEMENT: interval(position(x*y))",
     "does not draw axis option \"delta\"", 4, 21},
    {"StatisticInsideADimension", "ELEMENT: interval(position(x*summary.mean(y)))",
     "does not draw \"summary.mean\" inside one dimension", 4, 30},
    {"TwoGraphsOnOnePage",
     "GRAPH: begin(origin(0%, 0%))\nELEMENT: interval(position(x*y))\nGRAPH: end()\n"
     "GRAPH: begin(origin(50%, 0%))\nELEMENT: point(position(x*y))\nGRAPH: end()",
     "one graph per page", 7, 8},
    {"NoElement", "GUIDE: axis(dim(1), label(\"x\"))", "no ELEMENT statement", 0, 0},
};

std::string Program(const char* statements) {
  return "SOURCE: s = userSource(id(\"graphdataset\"))\n"
         "DATA: x = col(source(s), name(\"x\"), unit.category())\n"
         "DATA: y = col(source(s), name(\"y\"))\n" +
         std::string(statements);
}

class Warnings : public testing::TestWithParam<WarningCase> {};

TEST_P(Warnings, OneWarningNamesTheConstructAndItsPlace) {
  const WarningCase& c = GetParam();
  RenderChart chart(Program(c.statements), kColumns);
  CompiledChart compiled = chart.Compile();
  EXPECT_FALSE(compiled.spec);
  ASSERT_EQ(compiled.warnings.size(), 1u);
  const RenderWarning& warning = compiled.warnings[0];
  EXPECT_NE(warning.text.find(c.says), std::string::npos) << warning.text;
  EXPECT_EQ(warning.line, c.line) << warning.text;
  EXPECT_EQ(warning.column, c.column) << warning.text;
  if (c.line > 0) {
    EXPECT_NE(warning.text.find("line " + std::to_string(c.line) + ", column " + std::to_string(c.column)),
              std::string::npos)
        << warning.text;
  }
  // the cheap check says the same
  std::vector<RenderWarning> checked = chart.Check();
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_EQ(checked[0].text, warning.text);
}

INSTANTIATE_TEST_SUITE_P(Gpl, Warnings, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WarningCase>& info) { return info.param.name; });

TEST(Warnings, ADataColumnMissingFromItsSource) {
  RenderChart chart(Program("ELEMENT: interval(position(x*y))"), {{"x", {"a", "b"}}, {"why", {1, 2}}});
  std::vector<RenderWarning> checked = chart.Check();
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_NE(checked[0].text.find("the column \"y\""), std::string::npos) << checked[0].text;
  EXPECT_NE(checked[0].text.find("missing from the source \"graphdataset\""), std::string::npos) << checked[0].text;
  EXPECT_EQ(checked[0].line, 3);
  EXPECT_EQ(checked[0].column, 11);
  EXPECT_FALSE(chart.Compile().spec);
}

TEST(Warnings, TwoSourcesAreNotDrawnTogether) {
  RenderChart chart("SOURCE: s = userSource(id(\"graphdataset\"))\nSOURCE: t = userSource(id(\"other\"))\n"
                    "DATA: x = col(source(s), name(\"x\"), unit.category())\nDATA: y = col(source(t), name(\"y\"))\n"
                    "ELEMENT: interval(position(x*y))",
                    kColumns);
  std::vector<RenderWarning> checked = chart.Check();
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_NE(checked[0].text.find("one source"), std::string::npos) << checked[0].text;
}

TEST(Warnings, AMissingColumnThatNoElementDrawsIsHarmless) {
  RenderChart chart(Program("DATA: unused = col(source(s), name(\"MEAN_chol\"))\nELEMENT: interval(position(x*y))"),
                    kColumns);
  EXPECT_TRUE(chart.Check().empty());
  ASSERT_TRUE(chart.Compile().spec);
  EXPECT_FALSE(chart.Compile().spec->at("data")["values"][0].contains("MEAN_chol"));
}

TEST(Warnings, ADrawnChartHasNone) {
  RenderChart chart(Program("ELEMENT: interval(position(x*y))"), kColumns);
  EXPECT_TRUE(chart.Check().empty());
  CompiledChart compiled = chart.Compile();
  EXPECT_TRUE(compiled.spec);
  EXPECT_TRUE(compiled.warnings.empty());
}

TEST(Warnings, AMapInTheXmlFormIsNotDrawn) {
  RenderChart chart("<visualization><userSource id=\"graphdataset\"/><variable name=\"x\" source=\"graphdataset\"/>"
                    "<element type=\"interval\" x=\"x\"/><map data=\"m\"/></visualization>",
                    kColumns, false);
  CompiledChart compiled = chart.Compile();
  EXPECT_FALSE(compiled.spec);
  ASSERT_EQ(compiled.warnings.size(), 1u);
  EXPECT_NE(compiled.warnings[0].text.find("<map>"), std::string::npos) << compiled.warnings[0].text;
}

TEST(Warnings, OtherDocumentKindsAreNotCharts) {
  DocumentState image;
  image.kind = "image";
  EXPECT_TRUE(CheckDrawable(image).empty());
  CompiledChart compiled = CompileVegaLite(image);
  EXPECT_FALSE(compiled.spec);
  EXPECT_TRUE(compiled.warnings.empty());
}

}  // namespace
