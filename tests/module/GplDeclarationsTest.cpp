#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "tests/support/ParsedCommand.h"
#include "tests/support/TestProcedureData.h"

namespace {

// Columns: 0 region (nominal), 1 income (scale), 2 w; the set $cs of region.
void FillDictionary(TestDataSource& data) {
  data.AddNumeric("region").Level(kLevelNominal);
  data.AddNumeric("income");
  data.AddNumeric("w");
  data.AddSet({"$cs", VariableSet::kCategories, "", {"region"}, ""});
}

// The one data set of a parsed GGRAPH command, over the dictionary above as
// the working data weighted by w.
struct ParsedDataSet {
  explicit ParsedDataSet(const std::string& subcommand)
      : session("GGRAPH /GRAPHDATASET " + subcommand + "."), dictionary(PathFactory::getPathInstance(3)) {
    dictionary.SetProcedure("GGRAPH");
    FillDictionary(data.data);
    data.data.SetWeight(2);
    parser = std::make_unique<GGraphCommandParser>(&data, &dictionary);
    accepted = parser->Parse();
  }
  GGraphDataSet* Only() {
    GGraphSettings& settings = parser->Settings();
    if (settings.GetDataSetCount() != 1) return nullptr;
    return settings.GetAggregatedDataSets().empty() ? settings.GetUnaggregatedDataSets()[0].get()
                                                    : settings.GetAggregatedDataSets()[0].get();
  }

  ModuleSession session;
  TestProcedureData data;
  FacSTDictionary dictionary;
  std::unique_ptr<GGraphCommandParser> parser;
  bool accepted = false;
};

// What AddGplDeclarations gives for a GPL text and a data set.
std::string Declared(const std::string& gpl, GGraphDataSet* dataSet) {
  GraphSpec spec;
  spec.SetGplText(gpl);
  spec.AddGplDeclarations(dataSet);
  return spec.GetGplText();
}

const std::string kElement = "ELEMENT: point(position(region*income))\n";

std::string Data(const std::string& name, const std::string& source = "s", bool category = false) {
  return "\n  DATA: " + name + "=col(source(" + source + "),name(\"" + name + "\")" +
         (category ? ", unit.category()" : "") + ")";
}

std::string Source(const std::string& dataSet, const std::string& variable = "s") {
  return "\n  SOURCE:" + variable + "=userSource(id(\"" + dataSet + "\"))";
}

struct DeclarationCase {
  const char* name;
  const char* dataSet;  // the GRAPHDATASET subcommand
  std::string gpl;
  std::string appended;
};

void PrintTo(const DeclarationCase& c, std::ostream* out) { *out << c.name; }

class Declarations : public ::testing::TestWithParam<DeclarationCase> {};

TEST_P(Declarations, AppendWhatTheGplLacks) {
  const DeclarationCase& c = GetParam();
  ParsedDataSet parsed(c.dataSet);
  ASSERT_TRUE(parsed.accepted);
  ASSERT_NE(parsed.Only(), nullptr);
  EXPECT_EQ(Declared(c.gpl, parsed.Only()), c.gpl + c.appended);
}

const char* const kSales = "NAME=sales VARIABLES=region income";

INSTANTIATE_TEST_SUITE_P(
    Scans, Declarations,
    ::testing::Values(
        // Weighted and unaggregated: $CASENUM and $WEIGHT are there, never declared.
        DeclarationCase{"NothingDeclared", kSales, kElement,
                        Source("sales") + Data("region", "s", true) + Data("income")},
        DeclarationCase{"OwnUserSource", kSales, "SOURCE: s=userSource(id(\"sales\"))\n" + kElement,
                        Data("region", "s", true) + Data("income")},
        // Blanks do not count; the user's source variable is used.
        DeclarationCase{"OwnDataKept", kSales,
                        "SOURCE: src = userSource( id( \"other\" ) )\n"
                        "DATA: region = col(source(src), name( \"region\" ), unit.category())\n" +
                            kElement,
                        Data("income", "src")},
        DeclarationCase{"DataWithoutSource", kSales,
                        "DATA: income=col(source(s), name(\"income\"))\n" + kElement,
                        Source("sales") + Data("region", "s", true)},
        DeclarationCase{"SourceVariableWithoutId", kSales, "SOURCE: t=userSource()\n" + kElement,
                        Source("sales", "t") + Data("region", "t", true) + Data("income", "t")},
        // Without a line break nothing is scanned, not even the user's declarations.
        DeclarationCase{"NoLineBreak", kSales,
                        "SOURCE: s=userSource(id(\"sales\")) DATA: region=col(source(s), name(\"region\"))",
                        Source("sales") + Data("region", "s", true) + Data("income")},
        DeclarationCase{"LastLineNotScanned", kSales, kElement + "DATA: income=col(source(s), name(\"income\"))",
                        Source("sales") + Data("region", "s", true) + Data("income")},
        DeclarationCase{"NotAUserSource", kSales, "SOURCE: s=csvSource(file(\"a.csv\"))\n" + kElement, ""},
        DeclarationCase{"TwoUserSources", kSales,
                        "SOURCE: s=userSource(id(\"sales\"))\nSOURCE: t=userSource(id(\"more\"))\n" + kElement, ""}));

INSTANTIATE_TEST_SUITE_P(
    DataSets, Declarations,
    ::testing::Values(
        DeclarationCase{"LevelsOverrideTheDictionary", "NAME=g VARIABLES=region[LEVEL=SCALE] income[LEVEL=ORDINAL]",
                        kElement, Source("g") + Data("region") + Data("income", "s", true)},
        DeclarationCase{"AliasesAndSets", "NAME=g VARIABLES=income[NAME='pay'] $cs", kElement,
                        Source("g") + Data("pay")},
        DeclarationCase{"Statistics", "NAME=g VARIABLES=MEAN(income)[NAME='m'] region COUNT()",
                        "DATA: m=col(source(s), name(\"m\"))\n" + kElement,
                        Source("g") + Data("region", "s", true) + Data("COUNT")}));

TEST(GplDeclarations, AnUnnamedDataSetIsDeclaredAsGgraphdataset) {
  ModuleSession session("");
  TestProcedureData data;
  FillDictionary(data.data);
  GGraphDataSet dataSet(&data, nullptr);
  EXPECT_EQ(Declared(kElement, &dataSet), kElement);

  auto resolver = std::make_unique<VariableResolver>();
  ASSERT_TRUE(resolver->resolveVariable(&data, 1));
  dataSet.AddVariable(new GGraphVariable(resolver.release()));
  EXPECT_EQ(Declared(kElement, &dataSet), kElement + Source("ggraphdataset") + Data("income"));
  EXPECT_EQ(Declared(kElement, nullptr), kElement);
}

}  // namespace
