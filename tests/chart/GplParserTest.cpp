#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "XDocument.h"
#include "XGraph.h"
#include "chartlib/gpl/GplParser.h"

namespace {

// The tree of an expression as a short prefix text: (* a (/ b c)), f(x y).
std::string Render(const GplNode& node) {
  std::string out;
  switch (node.kind) {
    case GplNode::Kind::kName:
    case GplNode::Kind::kNumber:
      return node.text;
    case GplNode::Kind::kString:
      return "\"" + node.text + "\"";
    case GplNode::Kind::kCall:
      out = node.text + "(";
      for (std::size_t i = 0; i < node.operands.size(); ++i) out += (i ? " " : "") + Render(node.operands[i]);
      return out + ")";
    case GplNode::Kind::kUnary:
      return "(" + node.text + " " + Render(node.operands[0]) + ")";
    case GplNode::Kind::kChain:
      out = "(" + Render(node.operands[0]);
      for (std::size_t i = 1; i < node.operands.size(); ++i) out += " " + node.operators[i - 1] + " " + Render(node.operands[i]);
      return out + ")";
  }
  return out;
}

struct ChartCase {
  const char* name;
  const char* gpl;
  std::vector<std::string> sources;
  std::vector<std::string> columns;     // chart variables in order
  std::vector<std::string> categorical;  // those of them that are categorical
  std::vector<std::string> variableSources = {};  // when not all read the first source
};

const ChartCase kCharts[] = {
    {"bar of means",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: MEAN_salary=col(source(s), name("MEAN_salary"))
GUIDE: axis(dim(1), label("Employment Category"))
GUIDE: axis(dim(2), label("Mean Current Salary"))
SCALE: linear(dim(2), include(0))
ELEMENT: interval(position(jobcat*MEAN_salary), shape.interior(shape.square)))",
     {"graphdataset"}, {"jobcat", "MEAN_salary"}, {"jobcat"}},
    {"stacked bar with colour",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: gender=col(source(s), name("gender"), unit.category())
DATA: COUNT=col(source(s), name("COUNT"))
GUIDE: legend(aesthetic(aesthetic.color.interior), label("Gender"))
SCALE: cat(aesthetic(aesthetic.color.interior), include("f", "m"))
ELEMENT: interval.stack(position(jobcat*COUNT), color.interior(gender), shape.interior(shape.square)))",
     {"graphdataset"}, {"jobcat", "gender", "COUNT"}, {"jobcat", "gender"}},
    {"clustered bar with colour",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: gender=col(source(s), name("gender"), unit.category())
DATA: COUNT=col(source(s), name("COUNT"))
COORD: rect(dim(1,2), cluster(3,0))
ELEMENT: interval(position(gender*COUNT*jobcat), color.interior(gender)))",
     {"graphdataset"}, {"jobcat", "gender", "COUNT"}, {"jobcat", "gender"}},
    {"scatter with fit line",
     R"(SOURCE: s=userSource(id("cars"))
DATA: weight=col(source(s), name("weight"))
DATA: mpg=col(source(s), name("mpg"))
GUIDE: axis(dim(1), label("Vehicle Weight"))
GUIDE: axis(dim(2), label("Miles per Gallon"))
ELEMENT: point(position(weight*mpg))
ELEMENT: line(position(smooth.linear(weight*mpg)), color(color.red)))",
     {"cars"}, {"weight", "mpg"}, {}},
    {"line",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: year=col(source(s), name("year"), unit.category())
DATA: MEAN_sales=col(source(s), name("MEAN_sales"))
SCALE: linear(dim(2), min(0), max(1.5e6))
ELEMENT: line(position(year*MEAN_sales), missing.wings()))",
     {"graphdataset"}, {"year", "MEAN_sales"}, {"year"}},
    {"stacked area",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: year=col(source(s), name("year"), unit.category())
DATA: region=col(source(s), name("region"), unit.category())
DATA: sales=col(source(s), name("sales"))
ELEMENT: area.stack(position(summary.sum(year*sales)), color.interior(region), transparency(transparency."0.3")))",
     {"graphdataset"}, {"year", "region", "sales"}, {"year", "region"}},
    {"pie in polar coordinates",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: region=col(source(s), name("region"), unit.category())
DATA: COUNT=col(source(s), name("COUNT"))
COORD: polar.theta(startAngle(0))
GUIDE: axis(dim(1), null())
SCALE: linear(dim(1), dataMinimum(), dataMaximum())
ELEMENT: interval.stack(position(summary.percent(COUNT, base.all())), color.interior(region)))",
     {"graphdataset"}, {"region", "COUNT"}, {"region"}},
    {"histogram with binning",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: salary=col(source(s), name("salary"))
GUIDE: axis(dim(1), label("Current Salary"))
GUIDE: axis(dim(2), label("Frequency"))
ELEMENT: interval(position(summary.count(bin.rect(salary, binCount(20)))), shape.interior(shape.square))
ELEMENT: line(position(density.normal(salary)), color("Normal")))",
     {"graphdataset"}, {"salary"}, {}},
    {"error bars",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: MEAN_salary=col(source(s), name("MEAN_salary"))
DATA: LOW=col(source(s), name("MEANCI_salary_95_LOW"))
DATA: HIGH=col(source(s), name("MEANCI_salary_95_HIGH"))
ELEMENT: interval(position(jobcat*MEAN_salary))
ELEMENT: interval(position(region.spread.range(jobcat*(LOW+HIGH))), shape.interior(shape.ibeam)))",
     {"graphdataset"}, {"jobcat", "MEAN_salary", "MEANCI_salary_95_LOW", "MEANCI_salary_95_HIGH"}, {"jobcat"}},
    {"faceting with nest and cross",
     R"(SOURCE: s=userSource(id("graphdataset"))
DATA: x=col(source(s), name("salbegin"))
DATA: y=col(source(s), name("salary"))
DATA: gender=col(source(s), name("gender"), unit.category())
DATA: minority=col(source(s), name("minority"), unit.category())
PAGE: begin(scale(400px, 300px))
GRAPH: begin(origin(10%, 10%), scale(85%, 80%))
ELEMENT: point(position(x*y*gender*minority))
ELEMENT: point(position(x*y/gender))
GRAPH: end()
PAGE: end())",
     {"graphdataset"}, {"salbegin", "salary", "gender", "minority"}, {"gender", "minority"}},
    {"two sources, an expression, comments, one line",
     R"(/* two sources */ SOURCE: s1 = userSource(id("ds1")) SOURCE: s2=userSource(id("ds2")) SOURCE: csv=csvSource(file("x.csv"))
DATA: a=col(source(s1), name("a")) DATA: b=col(source(s2), name("b"), unit.category())
TRANS: r = eval(a * 2 - 1 >= 0)   element: point(position(a*b)))",
     {"ds1", "ds2"}, {"a", "b"}, {"b"}, {"ds1", "ds2"}},
};

TEST(GplParser, ReadsRealProgramsIntoTheirSourcesAndVariables) {
  for (const ChartCase& c : kCharts) {
    XDocument document(c.gpl, true, false);
    ASSERT_TRUE(document.implementationExists()) << c.name << ": " << document.getParseError();
    XGraph* graph = document.getGraph();
    EXPECT_EQ(graph->getUserSourceNames(), c.sources) << c.name;
    std::vector<std::string> columns, categorical, sources;
    for (const auto& variable : graph->variables()) {
      columns.push_back(variable->getName());
      if (variable->getCategorical()) categorical.push_back(variable->getName());
      sources.push_back(variable->getSource());
    }
    EXPECT_EQ(columns, c.columns) << c.name;
    EXPECT_EQ(categorical, c.categorical) << c.name;
    std::vector<std::string> expectedSources = c.variableSources;
    if (expectedSources.empty()) expectedSources.assign(columns.size(), c.sources.front());
    EXPECT_EQ(sources, expectedSources) << c.name;
  }
}

TEST(GplParser, AlgebraBindsNestTighterThanCrossTighterThanBlend) {
  struct Case {
    const char* expression;
    const char* tree;
  };
  for (Case c : {Case{"x*y/gender", "(x * (y / gender))"}, Case{"jobcat*(low+high)", "(jobcat * (low + high))"},
                 Case{"a+b*c/d", "(a + (b * (c / d)))"}, Case{"a*b*c*d", "(a * b * c * d)"},
                 Case{"a+b-c", "(a + b - c)"}, Case{"-x*2", "((- x) * 2)"},
                 Case{"a*2 >= b+1", "((a * 2) >= (b + 1))"},
                 Case{"bin.rect(x, binWidth(dim(1), 10.5))", "bin.rect(x binWidth(dim(1) 10.5))"},
                 Case{"scale(400px, 30%)", "scale(400px 30%)"}, Case{"label('it')", "label(\"it\")"},
                 Case{"label(\"say \\\"hi\\\"\")", "label(\"say \"hi\"\")"}, Case{"end()", "end()"},
                 Case{"transparency.interior(transparency.\"0.3\")", "transparency.interior(transparency.\"0.3\")"}}) {
    std::string gpl = std::string("ELEMENT: ") + c.expression;
    GplParser parser(gpl);
    auto program = parser.Parse();
    ASSERT_TRUE(program) << c.expression << ": " << parser.Error()->Text();
    ASSERT_EQ(program->statements.size(), 1u);
    EXPECT_EQ(Render(program->statements[0].value), c.tree);
  }
}

TEST(GplParser, StatementsKeepTheirLabelTargetAndPosition) {
  GplParser parser("source: s = userSource(id(\"a\"))\n  DATA: x=col(source(s), name(\"x\"))");
  auto program = parser.Parse();
  ASSERT_TRUE(program);
  ASSERT_EQ(program->statements.size(), 2u);
  EXPECT_EQ(program->statements[0].label, "SOURCE");
  EXPECT_EQ(program->statements[0].target, "s");
  EXPECT_EQ(program->statements[1].label, "DATA");
  EXPECT_EQ(program->statements[1].line, 2);
  EXPECT_EQ(program->statements[1].column, 3);
  EXPECT_EQ(program->statements[1].value.column, 11);
}

TEST(GplParser, MalformedProgramsNameTheirPlaceAndWhatWasExpected) {
  struct Case {
    std::string gpl;
    int line;
    int column;
    const char* expected;
  };
  const Case cases[] = {
      {"ELEMENT: point(position(x*y)", 1, 29, "',' or ')'"},
      {"ELEMENT point(position(x*y))", 1, 9, "':' after the statement name"},
      {"ELEMENT: point(position(x*))", 1, 27, "an expression"},
      {"ELEMENT: interval(position(x*y)),\nGUIDE: axis(dim(1))", 1, 33, "a statement such as ELEMENT:"},
      {"GUIDE: axis(label(\"unclosed))\nELEMENT: point(position(x))", 1, 19, "'\"' to close the string"},
      {"ELEMENT: point(position(x*y)) /* open", 1, 31, "'*/' to close the comment"},
      {"DATA: x = col(source(s),\n   name(\"x\") % 2)", 2, 14, "a name, number, string or symbol"},
      {"= point()", 1, 1, "a statement such as ELEMENT:"},
      {"SOURCE: s = userSource(id(\"a\"))\nDATA: =col()", 2, 7, "an expression"},
      {std::string("ELEMENT: point(\0)", 17), 1, 16, "a name, number, string or symbol"},
      {"ELEMENT: f(\"Größe\" \"x\")", 1, 20, "',' or ')'"},
      // What is missing at the end of a line is placed there, not on the next line.
      {"ELEMENT: point(position(x*y)\n  SOURCE: s=userSource(id(\"a\"))", 1, 29, "',' or ')'"},
      {"ELEMENT: point(position(x*\n", 1, 27, "an expression"},
  };
  for (const Case& c : cases) {
    XDocument document(c.gpl, true, false);
    EXPECT_FALSE(document.implementationExists()) << c.gpl;
    GplParser parser(c.gpl);
    ASSERT_FALSE(parser.Parse()) << c.gpl;
    const GplError& error = *parser.Error();
    EXPECT_EQ(error.line, c.line) << c.gpl << ": " << error.Text();
    EXPECT_EQ(error.column, c.column) << c.gpl << ": " << error.Text();
    EXPECT_EQ(error.expected, c.expected) << c.gpl << ": " << error.Text();
    EXPECT_EQ(document.getParseError(), error.Text());
  }
}

TEST(GplParser, AProgramWithoutAnElementGivesNoChart) {
  for (const char* gpl : {"", "  \n ", "SOURCE: s=userSource(id(\"a\"))\nDATA: x=col(source(s), name(\"x\"))"}) {
    XDocument document(gpl, true, false);
    EXPECT_FALSE(document.implementationExists()) << gpl;
    EXPECT_EQ(document.getParseError(), "the GPL has no ELEMENT statement");
  }
}

TEST(GplParser, NestingIsBoundedAndLongChainsNeedNoDepth) {
  auto nested = [](int levels, const std::string& open, const std::string& close) {
    std::string gpl = "ELEMENT: ";
    for (int i = 0; i < levels; ++i) gpl += open;
    gpl += "x";
    for (int i = 0; i < levels; ++i) gpl += close;
    return gpl;
  };
  EXPECT_TRUE(GplParser(nested(GplParser::kMostNesting, "f(", ")")).Parse());
  for (const std::string& gpl : {nested(GplParser::kMostNesting + 1, "f(", ")"), nested(200000, "(", ")"),
                                 nested(200000, "-", ""), nested(200000, "a(", "")}) {
    GplParser parser(gpl);
    EXPECT_FALSE(parser.Parse());
    EXPECT_EQ(parser.Error()->expected, "at most 100 levels of nesting");
  }
  std::string chain = "ELEMENT: point(position(x";
  for (int i = 0; i < 200000; ++i) chain += i % 2 ? "*x" : "+x";
  EXPECT_TRUE(XDocument(chain + "))", true, false).implementationExists());
}

// The fuzzer's seeds stay what they claim to be: real programs, and a few
// malformed ones named bad-*.
TEST(GplParser, TheSeedCorpusHoldsChartsAndNamedMalformedPrograms) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GGRAPH_SOURCE_DIR "/tests/fuzz/gpl-corpus")) {
    std::ifstream file(entry.path());
    std::stringstream gpl;
    gpl << file.rdbuf();
    bool malformed = entry.path().filename().string().rfind("bad-", 0) == 0;
    XDocument document(gpl.str(), true, false);
    EXPECT_EQ(document.implementationExists(), !malformed) << entry.path() << ": " << document.getParseError();
    ++seeds;
  }
  EXPECT_GE(seeds, 10);
}

}  // namespace
