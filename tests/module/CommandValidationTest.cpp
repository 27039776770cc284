#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphVariable.h"
#include "tests/support/ParsedCommand.h"
#include "tests/support/TestProcedureData.h"

namespace {

// Columns: region (nominal, labelled values, labelled), income (scale,
// labelled), score (scale), c1 c2 (labelled values on c1 only), d1 d2, s1 s2
// (strings). Sets: $cs the categories of c1 and c2, $ds the dichotomies d1 d2
// counting 1, $ss the string dichotomies s1 s2 counting "y".
void FillDictionary(TestDataSource& data) {
  data.AddNumeric("region").Level(kLevelNominal).Label("Sales region").ValueLabel(1, "North").ValueLabel(2, "South");
  data.AddNumeric("income", PackFormat(kFormatF, 10, 1)).Label("Annual income");
  data.AddNumeric("score");
  data.AddNumeric("c1").Level(kLevelNominal).Label("First channel").ValueLabel(1, "Web");
  data.AddNumeric("c2").Level(kLevelNominal);
  data.AddNumeric("d1");
  data.AddNumeric("d2");
  data.AddString("s1", 3).Level(kLevelNominal);
  data.AddString("s2", 3).Level(kLevelNominal);
  data.AddSet({"$cs", VariableSet::kCategories, "Channels", {"c1", "c2"}, ""});
  data.AddSet({"$ds", VariableSet::kDichotomies, "Owned", {"d1", "d2"}, "1"});
  data.AddSet({"$ss", VariableSet::kDichotomies, "", {"s1", "s2"}, "y"});
}

// Parses a command against the dictionary above as the working data, then
// validates it when the parse succeeded.
struct ValidatedCommand {
  explicit ValidatedCommand(const std::string& command,
                            const std::function<void(GGraphSettings&)>& beforeValidation = nullptr)
      : session(command), dictionary(PathFactory::getPathInstance(3)) {
    dictionary.SetProcedure("GGRAPH");
    FillDictionary(data.data);
    parser = std::make_unique<GGraphCommandParser>(&data, &dictionary);
    accepted = parser->Parse();
    if (accepted && beforeValidation) beforeValidation(parser->Settings());
    valid = accepted && parser->Validate();
  }

  const std::vector<VizVariableMapping>& Mappings(std::size_t spec = 0) {
    return parser->Settings().GetGraphSpecs().at(spec)->GetVizTemplateMappings();
  }
  const VizVariableMapping& Mapping(const std::string& slot) {
    for (const VizVariableMapping& mapping : Mappings())
      if (mapping.slotName == slot) return mapping;
    throw std::runtime_error("no slot " + slot);
  }
  GGraphDataSet& DataSet(const std::string& name) {
    GGraphSettings& settings = parser->Settings();
    for (const auto* list : {&settings.GetUnaggregatedDataSets(), &settings.GetAggregatedDataSets()})
      for (const auto& dataSet : *list)
        if (dataSet->GetSourceName() == name) return *dataSet;
    throw std::runtime_error("no data set " + name);
  }

  ModuleSession session;
  TestProcedureData data;
  FacSTDictionary dictionary;
  std::unique_ptr<GGraphCommandParser> parser;
  bool accepted = false;
  bool valid = false;
};

std::string Template(const std::string& mappings, const std::string& options = "") {
  return " /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(" + mappings + "))" + options;
}

// ---------------------------------------------------------------------------
// Commands that validation refuses.

struct RefusedCase {
  const char* name;
  std::string command;
  Messages messages;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedCommand : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommand, IssuesOneMessage) {
  const RefusedCase& c = GetParam();
  ValidatedCommand command(c.command);
  ASSERT_TRUE(command.accepted);
  EXPECT_FALSE(command.valid);
  EXPECT_EQ(command.session.Messages(), c.messages);
}

const Messages kNoGraphSpec = {{3, "The GGRAPH command must contain at least one GRAPHSPEC subcommand."}};
const Messages kSetNeedsSummary = {{3, "An aggregation function must be specified when using multiple response sets."}};

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusedCommand,
    ::testing::Values(
        RefusedCase{"OnlyDataSets", "GGRAPH /GRAPHDATASET NAME=g VARIABLES=region.", kNoGraphSpec},
        RefusedCase{"OnlyOptions", "GGRAPH /FITLINE TOTAL=YES.", kNoGraphSpec},
        RefusedCase{"UnknownDataSet",
                    "GGRAPH /GRAPHDATASET NAME=g VARIABLES=region" + Template("x=region[DATASET='G']") + ".",
                    {{3, "The specified dataset G does not exist."}}},
        RefusedCase{"SetInInlineGpl",
                    "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$cs /GRAPHSPEC SOURCE=INLINE.\n"
                    "BEGIN GPL\n ELEMENT: interval(position(summary.count(g.$cs)))\nEND GPL\n",
                    kSetNeedsSummary},
        RefusedCase{"SetInGplFile",
                    "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$ds region /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').",
                    kSetNeedsSummary},
        // The template expands the set, but the file's chart still sees it whole.
        RefusedCase{"SetInTemplateThenGplFile",
                    "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$cs" + Template("x=$cs") +
                        " /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').",
                    kSetNeedsSummary},
        RefusedCase{"DataMapWithoutKey",
                    "GGRAPH /GRAPHDATASET NAME=g VARIABLES=region" +
                        Template("x=region", " VIZMAP='world'[LOCATION=LOCAL TYPE=DATA]") + ".",
                    {{3, "A map must be specified..."}}}));

TEST(CommandValidation, ASetWithASummaryFunctionIsAccepted) {
  ValidatedCommand command(
      "GGRAPH /GRAPHDATASET NAME=g VARIABLES=$cs COUNT() /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').");
  EXPECT_TRUE(command.valid);
  EXPECT_TRUE(command.session.Messages().empty());
}

// The engine refuses a file name whose expansion does not fit its buffer.
const std::string kUnreachable = "maps/" + std::string(5000, 'm') + ".smz";

struct UnreachableCase {
  const char* name;
  std::function<void(GraphSpec&)> set;
  int level;
};

void PrintTo(const UnreachableCase& c, std::ostream* out) { *out << c.name; }

class UnreachableFile : public ::testing::TestWithParam<UnreachableCase> {};

TEST_P(UnreachableFile, IsNamedAsWritten) {
  const UnreachableCase& c = GetParam();
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=g VARIABLES=region" + Template("x=region") + ".",
                           [&](GGraphSettings& settings) { c.set(*settings.GetGraphSpecs()[0]); });
  EXPECT_FALSE(command.valid);
  EXPECT_EQ(command.session.Messages(), (Messages{{c.level, "File " + kUnreachable + " has no access..."}}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreachableFile,
    ::testing::Values(UnreachableCase{"DataMap", [](GraphSpec& s) { s.SetDataMapName(kUnreachable); }, 3},
                      UnreachableCase{"ReferenceMap", [](GraphSpec& s) { s.SetRefMapName(kUnreachable); }, 3},
                      // An error, as it fails the command.
                      UnreachableCase{"StyleSheet",
                                      [](GraphSpec& s) {
                                        s.SetStyleSheet(kUnreachable);
                                        s.SetStyleSheetLocation(LOCATION_FILE, "");
                                      },
                                      3}));

TEST(CommandValidation, ResolvesReachableMapsAndStyleSheets) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=g VARIABLES=region" +
                           Template("x=region", " VIZMAP='world.smz'[TYPE=DATA MAPKEY='iso'] "
                                                "VIZMAP='coast.smz'[TYPE=REFERENCE] "
                                                "VIZSTYLESHEET='plain'[LOCATION=LOCAL]") +
                           ".");
  ASSERT_TRUE(command.valid) << command.session.Messages().size();
  const GraphSpec& spec = *command.parser->Settings().GetGraphSpecs()[0];
  EXPECT_NE(spec.GetDataMapName().find("world.smz"), std::string::npos);
  EXPECT_NE(spec.GetRefMapName().find("coast.smz"), std::string::npos);
  EXPECT_EQ(spec.GetStyleSheetName(), "plain");
}

// ---------------------------------------------------------------------------
// Completion of template mappings.

std::string Flags(const VizVariableMapping& m) {
  return std::string(m.categorical ? "categorical" : "values") + (m.categorySet ? " categorySet" : "") +
         (m.hasFormat ? " format" : "") + (m.useCategoryLabels ? " categoryLabels" : "");
}

TEST(MappingCompletion, DescribesSingleVariables) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=h VARIABLES=MEAN(income)[NAME='meanIncome'] region"
                           " /GRAPHDATASET NAME=g VARIABLES=region income score[LEVEL=NOMINAL] c2[LEVEL=SCALE]" +
                           Template("x=region y=income color=score size=c2") + ".");
  ASSERT_TRUE(command.valid);
  EXPECT_TRUE(command.session.Messages().empty());

  // No DATASET: the first unaggregated data set, even after an aggregated one.
  for (const VizVariableMapping& mapping : command.Mappings()) EXPECT_EQ(mapping.dataSetName, "g") << mapping.slotName;

  const VizVariableMapping& region = command.Mapping("x");
  EXPECT_EQ(Flags(region), "categorical format");
  EXPECT_EQ(region.variableLabel, "Sales region");
  EXPECT_EQ(region.labelSetName.rfind("labelingVariable_", 0), 0u) << region.labelSetName;

  const VizVariableMapping& income = command.Mapping("y");
  EXPECT_EQ(Flags(income), "values format");
  EXPECT_EQ(income.format, PackFormat(kFormatF, 10, 1));
  EXPECT_EQ(income.variableLabel, "Annual income");
  EXPECT_EQ(income.labelSetName, "");

  // LEVEL overrides the dictionary both ways; without value labels no label source.
  EXPECT_EQ(Flags(command.Mapping("color")), "categorical format");
  EXPECT_EQ(command.Mapping("color").labelSetName, "");
  EXPECT_EQ(Flags(command.Mapping("size")), "values format");
}

// A slot filled with a name that neither a data set nor the data has would
// silently stay empty.
TEST(MappingCompletion, ANameNoDataSetHoldsIsRefused) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=g VARIABLES=region" + Template("x=region label=ghost") + ".");
  EXPECT_FALSE(command.valid);
  EXPECT_EQ(command.session.Messages(),
            (Messages{{3, "The visualization template Bar maps its slot label to ghost, which no graph data set holds."}}));
}

TEST(MappingCompletion, VariablesOfOneEngineVariableShareTheirValueLabels) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=g VARIABLES=region c1"
                           " /GRAPHDATASET NAME=h VARIABLES=region[NAME='area']" +
                           Template("x=region y=area[DATASET='h'] color=c1 shape=region") + ".");
  ASSERT_TRUE(command.valid);
  const std::string shared = command.Mapping("x").labelSetName;
  EXPECT_EQ(shared.rfind("labelingVariable_", 0), 0u) << shared;
  EXPECT_EQ(command.Mapping("y").labelSetName, shared);
  EXPECT_EQ(command.Mapping("y").dataSetName, "h");
  EXPECT_EQ(command.Mapping("shape").labelSetName, shared);
  EXPECT_NE(command.Mapping("color").labelSetName, shared);
  EXPECT_FALSE(command.Mapping("color").labelSetName.empty());
  // The first variable names the labelling column; the second writes none of its own.
  EXPECT_EQ(command.DataSet("h").GetVariables()[0]->GetLabelingVariableName(), "");
}

std::string Values(const VizVariableMapping& mapping) {
  std::string out;
  for (const MappingValue& value : mapping.values)
    out += (out.empty() ? "" : "; ") + value.name + "|" + value.label + "|" +
           (value.labelSetName.empty() ? "" : "labels");
  return out;
}

std::string VariablesWithSets(const GGraphDataSet& dataSet) {
  std::string out;
  for (const auto& variable : dataSet.GetVariables())
    out += (out.empty() ? "" : " ") + variable->GetVariableName() +
           (variable->HasParentSetName() ? "<" + variable->GetParentSetName() : "");
  return out;
}

TEST(MappingCompletion, ExpandsSetsIntoTheirMembers) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=g VARIABLES=$cs $ds $ss[NAME='strings']" +
                           Template("x=$cs y=$ds color=strings") + ".");
  ASSERT_TRUE(command.valid);
  EXPECT_TRUE(command.session.Messages().empty());

  const VizVariableMapping& categories = command.Mapping("x");
  EXPECT_EQ(Flags(categories), "categorical categorySet");
  EXPECT_EQ(categories.setName, "Channels");
  EXPECT_EQ(categories.countedValue, "");
  EXPECT_EQ(Values(categories), "c1|First channel|labels; c2||");

  const VizVariableMapping& dichotomies = command.Mapping("y");
  EXPECT_EQ(Flags(dichotomies), "categorical");
  EXPECT_EQ(dichotomies.setName, "Owned");
  EXPECT_EQ(dichotomies.countedValue, "1");
  EXPECT_EQ(Values(dichotomies), "d1||; d2||");

  const VizVariableMapping& strings = command.Mapping("color");
  EXPECT_EQ(strings.setName, "$ss");
  EXPECT_EQ(strings.countedValue, "y");

  EXPECT_EQ(VariablesWithSets(command.DataSet("g")),
            "Channels Owned $ss $CASENUM c1<$cs c2<$cs d1<$ds d2<$ds s1<strings s2<strings");
  // The member's labelling column is the one its mapping entry names.
  const auto& variables = command.DataSet("g").GetVariables();
  EXPECT_EQ(variables[4]->GetLabelingVariableName(), categories.values[0].labelSetName);
}

TEST(MappingCompletion, ASummaryFunctionOfANamedAggregatedDataSetFillsValues) {
  ValidatedCommand command("GGRAPH /GRAPHDATASET NAME=h VARIABLES=MEAN(income)[NAME='m'] region" +
                           Template("x=region[DATASET='h'] y=m[DATASET='h']") + ".");
  ASSERT_TRUE(command.valid);
  EXPECT_EQ(Flags(command.Mapping("x")), "categorical format");
  EXPECT_EQ(Flags(command.Mapping("y")), "values");
  EXPECT_EQ(command.Mapping("y").dataSetName, "h");
}

}  // namespace
