#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "data/DataFilter.h"
#include "data/GGraphDataSet.h"
#include "data/VariableEntry.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "service/VGraphGrammar.h"
#include "tests/support/ParsedCommand.h"
#include "tests/support/TestProcedureData.h"

namespace {

// Columns: 0 a (scale), 1 b (nominal), 2 c (ordinal), 3 d (scale), 4 name (A8, nominal), 5 w.
// Set: $bc, the categories of b and c, labelled "Both".
void FillDictionary(TestDataSource& data) {
  data.AddNumeric("a");
  data.AddNumeric("b").Level(kLevelNominal);
  data.AddNumeric("c").Level(kLevelOrdinal);
  data.AddNumeric("d");
  data.AddString("name", 8).Level(kLevelNominal);
  data.AddNumeric("w");
  data.AddSet({"$bc", VariableSet::kCategories, "Both", {"b", "c"}, ""});
}

// Parses a command against the dictionary above as the working data.
struct ParsedDataSets {
  explicit ParsedDataSets(const std::string& command, int weight = -1, CommandGrammar grammar = GGraphGrammar())
      : session(command), dictionary(PathFactory::getPathInstance(3)) {
    dictionary.SetProcedure("GGRAPH");
    FillDictionary(data.data);
    data.data.SetWeight(weight);
    parser = std::make_unique<GGraphCommandParser>(&data, &dictionary, std::move(grammar));
    accepted = parser->Parse();
  }

  GGraphSettings& Settings() { return parser->Settings(); }
  // The command's one data set; null unless there is exactly one.
  const GGraphDataSet* Only() {
    const auto& aggregated = Settings().GetAggregatedDataSets();
    const auto& unaggregated = Settings().GetUnaggregatedDataSets();
    if (Settings().GetDataSetCount() != 1) return nullptr;
    return aggregated.empty() ? unaggregated[0].get() : aggregated[0].get();
  }

  ModuleSession session;
  TestProcedureData data;
  FacSTDictionary dictionary;
  std::unique_ptr<GGraphCommandParser> parser;
  bool accepted = false;
};

std::string Command(const std::string& subcommand) { return "GGRAPH /GRAPHDATASET " + subcommand + "."; }

// Texts of a data set for tables of expected values.
using Field = std::function<std::string(const GGraphDataSet&)>;

template <typename List, typename Text>
std::string Joined(const List& list, Text text, const char* separator = " ") {
  std::string out;
  for (const auto& item : list) out += (out.empty() ? "" : separator) + text(item);
  return out;
}

std::string Variables(const GGraphDataSet& d) {
  return Joined(d.GetVariables(), [](const auto& v) { return v->GetVariableName(); });
}

std::string NamesAndLevels(const GGraphDataSet& d) {
  return Joined(d.GetVariables(), [](const auto& v) { return v->GetGPLName() + "/" + std::to_string(v->GetLevel()); });
}

std::string Statistics(const GGraphDataSet& d) {
  std::string names = Joined(d.GetStatistics(), [](const auto& s) { return s->GetGPLLabel().toUTF8(); });
  return names + (d.HasAggregation() ? " aggregated" : " unaggregated");
}

std::string Filters(const GGraphDataSet& d) {
  return Joined(
      d.GetFilters(),
      [](const auto& f) {
        return f->name + "(" + Joined(f->values, [](const std::string& v) { return v; }) + ")" +
               (f->allValues ? " all" : "") + (f->unlabeledInclude ? " include" : " exclude");
      },
      "; ");
}

std::string Options(const GGraphDataSet& d) {
  std::ostringstream out;
  out << d.GetDataSetHandle() << " " << d.GetSourceName() << " listwise=" << d.IsListwise()
      << " report=" << d.IsReportMissing() << " limit=" << d.GetCaseLimit() << " csv=" << d.IsCsvSource();
  return out.str();
}

std::string Transform(const GGraphDataSet& d) {
  ChartString summary, index, low, high;
  if (!d.IsVarsToCases()) return "none";
  d.GetVarsToCasesNames(summary, index, low, high);
  return summary.toUTF8() + " " + index.toUTF8() + " " + low.toUTF8() + " " + high.toUTF8();
}

// ---------------------------------------------------------------------------
// Subcommands that are refused: nothing reaches the settings.

struct RejectedCase {
  const char* subcommand;
  Messages messages;
};

void PrintTo(const RejectedCase& c, std::ostream* out) { *out << c.subcommand; }

class RejectedDataSet : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedDataSet, IssuesItsMessageAndAddsNoDataSet) {
  const RejectedCase& c = GetParam();
  ParsedDataSets parsed(Command(c.subcommand));
  EXPECT_FALSE(parsed.accepted);
  EXPECT_EQ(parsed.Settings().GetDataSetCount(), 0);
  EXPECT_EQ(parsed.session.Messages(), c.messages);
}

Messages Error(const std::string& text) { return {{3, text}}; }
Messages Unknown(const std::string& token) { return Error("SubCmd GRAPHDATASET. Unknown token " + token + "."); }
Messages Duplicate(const std::string& keyword) {
  return Error("SubCmd GRAPHDATASET has duplicate " + keyword + " attribute.");
}
Messages EqualSign(const std::string& keyword) {
  return Error("SubCmd GRAPHDATASET. Equal sign required after " + keyword + ".");
}
Messages InvalidFilterValue(const std::string& value) {
  return Error("The GRAPHDATASET subcommand contains an invalid value (" + value + ") for the DATAFILTER keyword.");
}
Messages WrongCount(const std::string& function) { return Error(function + " has the wrong number of parameters g."); }
const Messages kIncomplete = {{2, "Incomplete subCmd GRAPHDATASET."}};
const Messages kCaseLimit = Error("The value of the CASELIMIT keyword must be a non-negative integer value.");
const Messages kRange = Error("Can not rename range of variables");

INSTANTIATE_TEST_SUITE_P(
    Keywords, RejectedDataSet,
    ::testing::Values(
        RejectedCase{"VARIABLES=a", Error("Missing dataSet.")}, RejectedCase{"NAME=g CASELIMIT=-1", kCaseLimit},
        RejectedCase{"NAME=g CASELIMIT=many", kCaseLimit}, RejectedCase{"NAME=g CASELIMIT=2.5", kCaseLimit},
        RejectedCase{"NAME=g CSVFILE='a.csv' CSVFILES='b.csv'", Duplicate("CSVFILES")},
        RejectedCase{"NAME=g NAME=h", Duplicate("NAME")}, RejectedCase{"NAME=g NOSUCH=1", Unknown("NOSUCH")},
        RejectedCase{"'NAME'=g", Unknown("NAME")}, RejectedCase{"NAME g", EqualSign("NAME")},
        RejectedCase{"NAME=", kIncomplete}, RejectedCase{"NAME=g MISSING=", kIncomplete},
        RejectedCase{"NAME=g CSVFILES=['a.csv' 'b.csv'", kIncomplete},
        RejectedCase{"NAME='two words'",
                     Error("The GRAPHDATASET subcommand contains an invalid value (two words) for the NAME keyword.")},
        RejectedCase{"NAME=ALL",
                     Error("The GRAPHDATASET subcommand contains an invalid value (ALL) for the NAME keyword.")},
        // The handle is reported once, however many names wait to be resolved.
        RejectedCase{"NAME=g DATASET=nosuch VARIABLES=MEAN(a) b c",
                     Error("The specified VEXA dataset handle nosuch doesn't exist.")}));

INSTANTIATE_TEST_SUITE_P(
    Filters, RejectedDataSet,
    ::testing::Values(
        RejectedCase{"NAME=g DATAFILTER=b(VALUES=1) b(VALUES=2)", Error("The variable name b is duplicated.")},
        RejectedCase{"NAME=g DATAFILTER=c(VALUES=1) a(VALUES=1)",
                     Error("Variable a specified for keyword DATAFILTER of subcommand GRAPHDATASET must be categorical "
                           "(nominal or ordinal).")},
        RejectedCase{"NAME=g DATAFILTER=b(COLOR=red)", InvalidFilterValue("COLOR")},
        RejectedCase{"NAME=g DATAFILTER=b(VALUES=)", InvalidFilterValue(")")},
        RejectedCase{"NAME=g DATAFILTER=b(VALUES=1 [2])", InvalidFilterValue("[")},
        RejectedCase{"NAME=g DATAFILTER=b(UNLABELED=MAYBE)", InvalidFilterValue("MAYBE")},
        RejectedCase{"NAME=g DATAFILTER=b(UNLABELED=INCLUDE 1)", InvalidFilterValue("1")},
        RejectedCase{"NAME=g DATAFILTER=b(VALUES 1)", EqualSign("VALUES")},
        RejectedCase{"NAME=g DATAFILTER=", kIncomplete}, RejectedCase{"DATAFILTER= NAME=g", kIncomplete},
        RejectedCase{"NAME=g DATAFILTER=b", kIncomplete}, RejectedCase{"NAME=g DATAFILTER=b(VALUES=1", kIncomplete},
        RejectedCase{"NAME=g DATAFILTER='b'(VALUES=1)", Unknown("b")}));

INSTANTIATE_TEST_SUITE_P(
    VariableLists, RejectedDataSet,
    ::testing::Values(
        RejectedCase{"NAME=g VARIABLES=ALL[NAME='x']", kRange},
        RejectedCase{"NAME=g VARIABLES=a[LEVEL=NOMINAL] TO d", kRange},
        RejectedCase{"NAME=graphdataset VARIABLES=MEANX(a)", Error("MEANX is an unknown function graphdataset.")},
        RejectedCase{"NAME=g VARIABLES=PTILE(a)", WrongCount("PTILE")},
        RejectedCase{"NAME=g VARIABLES=PIN(a 1)", WrongCount("PIN")},
        RejectedCase{"NAME=g VARIABLES=PTILE(a b)", WrongCount("PTILE")},
        RejectedCase{"NAME=g VARIABLES=COUNT(a)", WrongCount("COUNT")},
        RejectedCase{"NAME=g VARIABLES=MEAN(a 1)", WrongCount("MEAN")},
        RejectedCase{"NAME=g VARIABLES=MEAN()", WrongCount("MEAN")},
        RejectedCase{"NAME=g VARIABLES=MEANCI(a level)", WrongCount("MEANCI")},
        RejectedCase{"NAME=g VARIABLES=COUNTCI(90 95)", WrongCount("COUNTCI")},
        RejectedCase{"NAME=g VARIABLES=MEAN(a", kIncomplete}, RejectedCase{"NAME=g VARIABLES=5", Unknown("5")},
        RejectedCase{"NAME=g VARIABLES=a 'b'", Unknown("b")}, RejectedCase{"NAME=g VARIABLES=", kIncomplete},
        RejectedCase{"NAME=g VARIABLES= MISSING=LISTWISE", kIncomplete},
        RejectedCase{"NAME=g VARIABLES=a[NAME='x'] b[NAME='X']", Error("The variable name X must be unique")},
        RejectedCase{"NAME=g VARIABLES=MEAN(a)[NAME='m'] b[LOW='m']", Error("The variable name m must be unique")},
        RejectedCase{"NAME=g VARIABLES=a b[NAME='a']", Error("The variable name a must be unique")},
        RejectedCase{"NAME=g VARIABLES=a[NAME='b'] b", {{2, "The variable name b must be unique"}}},
        RejectedCase{"NAME=g VARIABLES=a[NAME='x' RENAME='y']", Duplicate("RENAME")},
        RejectedCase{"NAME=g VARIABLES=a[NAME=x]", Unknown("x")},
        RejectedCase{"NAME=g VARIABLES=a[LEVEL=HIGH]", Unknown("HIGH")},
        RejectedCase{"NAME=g VARIABLES=a[COLOR='x']", Unknown("COLOR")},
        RejectedCase{"NAME=g VARIABLES=a[NAME 'x'] b", EqualSign("NAME")},
        RejectedCase{"NAME=g VARIABLES=a[NAME='x'", kIncomplete},
        RejectedCase{"NAME=g VARIABLES=nosuch", Error("The specified variable nosuch does not exist.")},
        RejectedCase{"NAME=g VARIABLES=MEAN(nosuch)", Error("The specified variable nosuch does not exist.")},
        RejectedCase{"NAME=g VARIABLES=a TO", Error("The specified variable TO does not exist.")},
        RejectedCase{"NAME=g VARIABLES=a TO $bc", Error("The specified variable $bc does not exist.")},
        RejectedCase{"NAME=g VARIABLES=d TO a",
                     Error("The first variable of a TO range stands after the last variable in the file.")},
        RejectedCase{"NAME=g VARIABLES=MEAN(name)",
                     Error("Summary functions (MEAN) cannot be used with string variables (name).")}));

INSTANTIATE_TEST_SUITE_P(
    Transforms, RejectedDataSet,
    ::testing::Values(RejectedCase{"NAME=g TRANSFORM=MAYBE", Unknown("MAYBE")},
                      RejectedCase{"NAME=g TRANSFORM=VARSTOCASES(SUMMARY='s' SUMMARY='t')", Duplicate("SUMMARY")},
                      RejectedCase{"NAME=g TRANSFORM=VARSTOCASES(SUMMARY 's' INDEX='i')", EqualSign("SUMMARY")},
                      RejectedCase{"NAME=g TRANSFORM=VARSTOCASES(NAME='s' INDEX='i')", Unknown("NAME")},
                      RejectedCase{"NAME=g TRANSFORM=VARSTOCASES(SUMMARY='s' INDEX='i'", kIncomplete}));

TEST(GraphDataSetSyntax, AMissingFilterParenthesisIsTheEnginesError) {
  ParsedDataSets parsed(Command("NAME=g DATAFILTER=b VALUES=1"));
  EXPECT_FALSE(parsed.accepted);
  Messages messages = parsed.session.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].second.find("left parenthesis"), std::string::npos) << messages[0].second;
}

// ---------------------------------------------------------------------------
// Subcommands that are accepted: what reaches the data set.

struct AcceptedCase {
  const char* subcommand;
  Messages messages;
  Field field;
  std::string value;
};

void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.subcommand; }

class AcceptedDataSet : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedDataSet, ReachesTheSettings) {
  const AcceptedCase& c = GetParam();
  ParsedDataSets parsed(Command(c.subcommand));
  EXPECT_TRUE(parsed.accepted);
  EXPECT_EQ(parsed.session.Messages(), c.messages);
  const GGraphDataSet* dataSet = parsed.Only();
  ASSERT_NE(dataSet, nullptr);
  EXPECT_EQ(c.field(*dataSet), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, AcceptedDataSet,
    ::testing::Values(
        AcceptedCase{"NAME=g", {}, Options, "* g listwise=1 report=0 limit=0 csv=0"},
        AcceptedCase{"NAME=#g MISSING=VARIABLEWISE REPORTMISSING=YES CASELIMIT=0",
                     {},
                     Options,
                     "* #g listwise=0 report=1 limit=0 csv=0"},
        AcceptedCase{"NAME=g MISSING=SETWISE CASELIMIT=50", {}, Options, "* g listwise=0 report=0 limit=50 csv=0"},
        AcceptedCase{"NAME=g MISSING=PAIRWISE REPORTMISSING=MAYBE",
                     {Unknown("PAIRWISE")[0], Unknown("MAYBE")[0]},
                     Options,
                     "* g listwise=1 report=0 limit=0 csv=0"},
        AcceptedCase{"NAME=g DATASET=nosuch CSVFILE='a.csv' VARIABLES=nosuch",
                     {},
                     Options,
                     "nosuch g listwise=1 report=0 limit=0 csv=1"},
        AcceptedCase{"NAME=g TRANSFORM=VARSTOCASES",
                     Error("An aggregation function must be used when specifying TRANSFORM=VARSTOCASES in the * graph "
                           "data set."),
                     Transform, "#SUMMARY #INDEX #LOW #HIGH"},
        AcceptedCase{
            "NAME=g VARIABLES=MEAN(a) TRANSFORM=VARSTOCASES(HIGH='h' SUMMARY='s')", {}, Transform, "s #INDEX #LOW h"},
        AcceptedCase{"NAME=g VARIABLES=MEAN(a) TRANSFORM=VARSTOCASES[INDEX='i'] MISSING=SETWISE",
                     {},
                     Transform,
                     "#SUMMARY i #LOW #HIGH"},
        AcceptedCase{"NAME=g VARIABLES=MEAN(a) TRANSFORM=NO", {}, Transform, "none"}));

INSTANTIATE_TEST_SUITE_P(
    Filters, AcceptedDataSet,
    ::testing::Values(
        AcceptedCase{"NAME=g DATAFILTER=b(VALUES=1 2.0 'x y' ALL UNLABELED=EXCLUDE) name(UNLABELED=INCLUDE VALUES=m) "
                     "MISSING=SETWISE",
                     {},
                     Filters,
                     "b(1 2.0 x y ALL) all exclude; name(m) include"},
        AcceptedCase{"NAME=g DATAFILTER=c(VALUES='ALL' UNLABELED=EXCLUDE VALUES=3)", {}, Filters, "c(ALL 3) exclude"},
        // Only scale variables of the data are refused.
        AcceptedCase{"NAME=g DATAFILTER=ghost(VALUES=1) A(VALUES=1)", {}, Filters, "ghost(1) include; A(1) include"}));

INSTANTIATE_TEST_SUITE_P(
    VariableLists, AcceptedDataSet,
    ::testing::Values(
        AcceptedCase{"NAME=g VARIABLES=c ALL", {}, Variables, "c a b d name w $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=ALL c", {}, Variables, "a b c d name w $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=b TO d a TO c", {}, Variables, "b c d a $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=c TO c", {}, Variables, "c $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=$bc b", {}, Variables, "Both b $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=a A", {{2, "The variable name A is duplicated."}}, Variables, "a $CASENUM"},
        AcceptedCase{"NAME=g VARIABLES=a[NAME='x' LEVEL=NOMINAL] B c[RENAME='z' HIGH='h' LOW='l' LEVEL=TYPELESS]",
                     {},
                     NamesAndLevels,
                     "x/2 B/0 z/5 $CASENUM/0"},
        AcceptedCase{"NAME=g VARIABLES=CASEVALUE(a) b", {}, Statistics, "CASEVALUE_a unaggregated"},
        AcceptedCase{"NAME=g VARIABLES=MEAN(a)[NAME='m' LEVEL=SCALE] COUNT() b", {}, Statistics, "m COUNT aggregated"},
        AcceptedCase{"NAME=g VARIABLES=PIN(a 1 5) MEANCI(a 90) COUNTCI() RESPONSES(DUP) PTILE(a, 25) b",
                     {},
                     Statistics,
                     "PIN_a_1_5 MEANCI_a_90 COUNTCI_95 RESPONSES_DUP PTILE_a_25 aggregated"}));

// ---------------------------------------------------------------------------
// Several subcommands, the settings and the other command.

TEST(GraphDataSetSyntax, AnEmptySubcommandIsAcceptedWithoutADataSet) {
  ParsedDataSets parsed("GGRAPH /GRAPHDATASET /GRAPHDATASET NAME=g.");
  EXPECT_TRUE(parsed.accepted);
  EXPECT_EQ(parsed.session.Messages(), kIncomplete);
  EXPECT_EQ(parsed.Settings().GetDataSetCount(), 1);
}

TEST(GraphDataSetSyntax, ALaterDataSetOfTheSameNameReplacesAnEarlierOne) {
  ParsedDataSets parsed(Command("NAME=g VARIABLES=MEAN(a) b /GRAPHDATASET NAME=h /GRAPHDATASET NAME=g VARIABLES=c"));
  ASSERT_TRUE(parsed.accepted);
  EXPECT_TRUE(parsed.Settings().GetAggregatedDataSets().empty());
  const auto& unaggregated = parsed.Settings().GetUnaggregatedDataSets();
  ASSERT_EQ(unaggregated.size(), 2u);
  EXPECT_EQ(unaggregated[0]->GetSourceName(), "h");
  EXPECT_EQ(Variables(*unaggregated[1]), "c $CASENUM");
}

TEST(GraphDataSetSyntax, CsvFileNamesStayWhenTheSubcommandFailsLater) {
  ParsedDataSets parsed(Command("NAME=g CSVFILES=['a.csv' 'b.csv'] CASELIMIT=-1 /GRAPHDATASET NAME=h CSVFILE='c.csv'"));
  EXPECT_FALSE(parsed.accepted);
  EXPECT_EQ(parsed.Settings().GetCsvFiles(), (std::vector<std::string>{"a.csv", "b.csv"}));
}

TEST(GraphDataSetSyntax, WeightedDataAddTheWeightAfterTheCaseNumber) {
  ParsedDataSets parsed(Command("NAME=g VARIABLES=b /GRAPHDATASET NAME=h VARIABLES=SUM(a) b"), 5);
  ASSERT_TRUE(parsed.accepted);
  const auto& unaggregated = parsed.Settings().GetUnaggregatedDataSets();
  ASSERT_EQ(unaggregated.size(), 1u);
  const auto& variables = unaggregated[0]->GetVariables();
  ASSERT_EQ(Variables(*unaggregated[0]), "b $CASENUM $WEIGHT");
  EXPECT_TRUE(variables[1]->IsCaseNumber());
  EXPECT_TRUE(variables[2]->IsWeight());
  EXPECT_EQ(variables[2]->GetResolver()->getVariableIndex(), 5);
  EXPECT_EQ(Variables(*parsed.Settings().GetAggregatedDataSets()[0]), "b");
}

TEST(GraphDataSetSyntax, EveryGraphServiceDataSetReportsMissingValues) {
  ParsedDataSets parsed("VGRAPH /GRAPHDATASET NAME=g REPORTMISSING=NO /GRAPHDATASET NAME=h REPORTMISSING=MAYBE.", -1,
                        VGraphGrammar());
  ASSERT_TRUE(parsed.accepted);
  EXPECT_TRUE(parsed.session.Messages().empty());
  const auto& dataSets = parsed.Settings().GetUnaggregatedDataSets();
  ASSERT_EQ(dataSets.size(), 2u);
  EXPECT_TRUE(dataSets[0]->IsReportMissing());
  EXPECT_TRUE(dataSets[1]->IsReportMissing());
}

}  // namespace

namespace {

struct ServiceValidationCase {
  const char* command;
  Messages messages;
};

void PrintTo(const ServiceValidationCase& c, std::ostream* out) { *out << c.command; }

class GraphServiceValidation : public ::testing::TestWithParam<ServiceValidationCase> {};

TEST_P(GraphServiceValidation, RefusesSetsOutsideSummaries) {
  const ServiceValidationCase& c = GetParam();
  ParsedDataSets parsed(std::string("VGRAPH ") + c.command + ".\nBEGIN GRAPHSRV\n{}\nEND GRAPHSRV\n", -1,
                        VGraphGrammar());
  ASSERT_TRUE(parsed.accepted);
  EXPECT_EQ(parsed.parser->Validate(), c.messages.empty());
  EXPECT_EQ(parsed.session.Messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, GraphServiceValidation,
    ::testing::Values(
        ServiceValidationCase{"/GRAPHDATASET NAME=g VARIABLES=$bc /GRAPHSPEC SOURCE=INLINE",
                              {{3, "An aggregation function must be specified when using multiple response sets."}}},
        ServiceValidationCase{"/GRAPHDATASET NAME=g VARIABLES=$bc COUNT() /GRAPHSPEC SOURCE=INLINE", {}},
        ServiceValidationCase{"/GRAPHDATASET NAME=g VARIABLES=b c /GRAPHSPEC SOURCE=INLINE", {}}));

}  // namespace
