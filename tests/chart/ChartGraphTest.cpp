#include <gtest/gtest.h>

#include <stdexcept>

#include "XDocument.h"
#include "XGraph.h"

namespace {

const char* kGpl = R"(SOURCE: s=userSource(id("sales"))
SOURCE: c=csvSource(file("extra.csv"))
DATA: region=col(source(s), name("region"), unit.category())
DATA: amount=col(source(s), name("amount"))
DATA: again=col(source(s), name("region"), unit.category())
DATA: w=col(source(s), name("$WEIGHT"))
GUIDE: text.subtitle(label("By region"))
ELEMENT: interval(position(region*amount)))";

TEST(ChartGraph, VariablesOfOneColumnAreNumberedFromZeroAndAMissingOneThrows) {
  XDocument document(kGpl, true, false);
  XGraph* graph = document.getGraph();
  XVariable* first = graph->getVariable("region", 0);
  XVariable* second = graph->getVariable(ChartString(L"region"), 1);
  EXPECT_NE(first, second);
  EXPECT_EQ(first, graph->variables()[0].get());
  EXPECT_EQ(second, graph->variables()[2].get());
  EXPECT_EQ(graph->getVariable(std::string("amount"), 0)->getCategorical(), false);
  EXPECT_THROW(graph->getVariable("region", 2), std::out_of_range);
  EXPECT_THROW(graph->getVariable("nosuch", 0), std::out_of_range);
  EXPECT_TRUE(graph->getVariable("$WEIGHT", 0)->isWeightVariable());
  EXPECT_FALSE(first->isWeightVariable());
}

TEST(ChartGraph, SourcesExistByTheirUserSourceId) {
  XDocument document(kGpl, true, false);
  XGraph* graph = document.getGraph();
  EXPECT_EQ(graph->getUserSourceNames(), std::vector<std::string>{"sales"});
  EXPECT_TRUE(graph->doesSourceExist("sales"));
  EXPECT_FALSE(graph->doesSourceExist("s"));
  EXPECT_FALSE(graph->doesSourceExist("extra.csv"));
}

TEST(ChartGraph, TheSubtitleComesFromTheGplOrTheCaller) {
  XDocument withGuide(kGpl, true, false);
  EXPECT_TRUE(withGuide.getGraph()->doesSubTitleExist());
  EXPECT_EQ(withGuide.getGraph()->getSubTitle().toUTF8(), "By region");

  XDocument without("ELEMENT: point(position(x*y))", true, false);
  EXPECT_FALSE(without.getGraph()->doesSubTitleExist());
  without.getGraph()->setSubTitle("Gender: 2");
  EXPECT_TRUE(without.getGraph()->doesSubTitleExist());
  EXPECT_EQ(without.getGraph()->getSubTitle().toUTF8(), "Gender: 2");
}

TEST(ChartGraph, MadeVariablesAreFoundAfterwardsAndNotMadeTwice) {
  XDocument document(kGpl, true, false);
  XGraph* graph = document.getGraph();
  XVariable* caseNumber = graph->createCaseNumberVariable("sales");
  EXPECT_EQ(caseNumber->getName(), "$CASENUM");
  EXPECT_EQ(caseNumber->getSource(), "sales");
  EXPECT_EQ(graph->getVariable("$CASENUM", 0), caseNumber);
  EXPECT_EQ(graph->createCaseNumberVariable("sales"), caseNumber);

  XVariable* weight = graph->createWeightVariable("other");
  EXPECT_TRUE(weight->isWeightVariable());
  EXPECT_FALSE(weight->getCategorical());
  EXPECT_NE(weight, graph->getVariable("$WEIGHT", 0));  // the declared one reads another source

  EXPECT_EQ(graph->createVariable("sales", false, "amount"), graph->getVariable("amount", 0));
  XVariable* made = graph->createVariable("sales", true, "größe");
  EXPECT_TRUE(made->getCategorical());
  EXPECT_EQ(graph->getVariable("größe", 0), made);
}

TEST(ChartGraph, CategoricalDomainsRelabelEachValueOnceWithItsLastLabel) {
  XDocument document(kGpl, true, false);
  XGraph* graph = document.getGraph();
  XVariable* region = graph->getVariable("region", 0);
  region->addRelabel(ChartString("1"), "1");
  region->addRelabel(2.0, "Two");
  region->addRelabel(ChartString("1"), "North");
  region->addRelabel(0, "first category");
  region->addRelabel(2.0, "South");
  XVariable* amount = graph->getVariable("amount", 0);
  amount->addRelabel(5.0, "five");
  amount->addRelabel(5.0, "FIVE");

  graph->UpdateCategoricalDomains();
  const auto& relabels = region->getRelabels();
  ASSERT_EQ(relabels.size(), 3u);
  EXPECT_EQ(relabels[0].text, "1");
  EXPECT_EQ(relabels[0].label, "North");
  EXPECT_EQ(relabels[1].number, 2.0);
  EXPECT_EQ(relabels[1].label, "South");
  EXPECT_EQ(relabels[2].by, XVariable::Relabel::By::kIndex);
  EXPECT_EQ(amount->getRelabels().size(), 2u);  // not categorical: left as given
}

TEST(ChartGraph, VariablesOfOneColumnShareTheFirstFormat) {
  XDocument document(kGpl, true, false);
  XGraph* graph = document.getGraph();
  graph->getVariable("region", 1)->SetNumberFormat(2, true, "$", "");
  XVariable* made = graph->createVariable("elsewhere", false, "region");
  graph->copyVariableFormats();
  const auto& format = graph->getVariable("region", 0)->getFormat();
  ASSERT_TRUE(format);
  EXPECT_EQ(format->kind, XVariable::Format::Kind::kNumber);
  EXPECT_EQ(format->decimals, 2);
  EXPECT_EQ(format->prefix, "$");
  EXPECT_FALSE(made->doesFormatExist());
  EXPECT_FALSE(graph->getVariable("amount", 0)->doesFormatExist());
}

// Found by fuzzing: a column name that is not valid UTF-8 could not be looked
// up, because the name given to getVariable is repaired on its way through
// ChartString.
TEST(ChartGraph, NamesThatAreNotUtf8AreRepairedSoTheyCanBeFound) {
  XDocument document("SOURCE: s=userSource(id(\"d\xFF\"))\nDATA: x=col(source(s), name(\"caf\xE9\"))\n"
                     "ELEMENT: point(position(x))",
                     true, false);
  XGraph* graph = document.getGraph();
  XVariable* variable = graph->getVariable(std::string("caf\xE9"), 0);
  EXPECT_EQ(variable->getName(), "caf\xEF\xBF\xBD");
  EXPECT_EQ(variable->getSource(), "d\xEF\xBF\xBD");
  EXPECT_TRUE(graph->doesSourceExist(graph->getUserSourceNames()[0]));
}

}  // namespace
