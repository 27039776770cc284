#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "graphspec/GraphSpec.h"
#include "tests/support/ParsedCommand.h"

namespace {

// Parses one GRAPHSPEC subcommand that needs no inline block and gives its spec.
struct ParsedSpec {
  explicit ParsedSpec(const std::string& subcommand) : parsed("GGRAPH /GRAPHSPEC " + subcommand + ".") {}
  const GraphSpec* Spec() {
    const auto& specs = parsed.Settings().GetGraphSpecs();
    return parsed.accepted && specs.size() == 1 ? specs[0] : nullptr;
  }
  ParsedCommand parsed;
};

struct RejectedCase {
  const char* subcommand;
  Messages messages;
};

class RejectedGraphSpec : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedGraphSpec, IssuesItsMessageAndAddsNoSpec) {
  const RejectedCase& c = GetParam();
  ParsedSpec parsed(c.subcommand);
  EXPECT_FALSE(parsed.parsed.accepted);
  EXPECT_TRUE(parsed.parsed.Settings().GetGraphSpecs().empty());
  EXPECT_EQ(parsed.parsed.session.Messages(), c.messages);
}

void PrintTo(const RejectedCase& c, std::ostream* out) { *out << c.subcommand; }

Messages Unknown(const std::string& token) { return {{3, "SubCmd GRAPHSPEC. Unknown token " + token + "."}}; }
Messages Duplicate(const std::string& keyword) { return {{3, "SubCmd GRAPHSPEC has duplicate " + keyword + " attribute."}}; }
Messages EqualSign(const std::string& keyword) { return {{3, "SubCmd GRAPHSPEC. Equal sign required after " + keyword + "."}}; }
Messages Unbalanced(const std::string& source) {
  return {{3, "Unbalanced parentheses in effect, parameter " + source + ", subcommand GRAPHSPEC ..."}};
}
Messages TooFewBins(const std::string& count) {
  return {{3, "SubCmd GRAPHSPEC. The bin count of BINS must be at least 1, not " + count + "."}};
}
Messages TooManyBins(const std::string& count) {
  return {{3, "SubCmd GRAPHSPEC. The bin count of BINS must be at most 1000000, not " + count + "."}};
}
const Messages kIncomplete = {{2, "Incomplete subCmd GRAPHSPEC."}};
const Messages kViolin = {{3, "Paneling not supported for Violin plots"}};

INSTANTIATE_TEST_SUITE_P(
    Keywords, RejectedGraphSpec,
    ::testing::Values(RejectedCase{"EDITABLE=YES EDITABLE=NO", Duplicate("EDITABLE")},
                      RejectedCase{"SOURCE=BINS(5) LABEL=a LABEL=b", Duplicate("LABEL")},
                      RejectedCase{"VIZMAP='a'[TYPE=DATA] VIZMAP='b'[TYPE=DATA] VIZMAP='c'[TYPE=DATA]",
                                   Duplicate("VIZMAP")},
                      RejectedCase{"NOSUCH=1", Unknown("NOSUCH")},
                      RejectedCase{"'SOURCE'=INLINE", Unknown("SOURCE")},
                      RejectedCase{"SOURCE INLINE", EqualSign("SOURCE")},
                      RejectedCase{"SOURCE", EqualSign("SOURCE")},
                      RejectedCase{"SOURCE=", kIncomplete},
                      RejectedCase{"EDITABLE=MAYBE", Unknown("MAYBE")},
                      RejectedCase{"DEFAULTTEMPLATE=1", Unknown("1")},
                      RejectedCase{"IMAGEFORMAT=GIF", Unknown("GIF")},
                      RejectedCase{"TEMPLATE=['a.sgt' 'b.sgt'", kIncomplete}));

INSTANTIATE_TEST_SUITE_P(
    Sources, RejectedGraphSpec,
    ::testing::Values(RejectedCase{"SOURCE=NOSUCH('a')", Unknown("NOSUCH")},
                      RejectedCase{"SOURCE='INLINE'", Unknown("INLINE")},
                      RejectedCase{"SOURCE=GPLFILE('a.gpl' 'b.gpl')", Unbalanced("GPLFILE")},
                      RejectedCase{"SOURCE=GEOJSONFILE('a.json'", Unbalanced("GEOJSONFILE")},
                      RejectedCase{"SOURCE=GPLFILE(", kIncomplete},
                      RejectedCase{"SOURCE=GPLFILE", kIncomplete},
                      RejectedCase{"SOURCE=BINS(many)", Unknown("many")},
                      RejectedCase{"SOURCE=BINS(2.5)", Unknown("2.5")},
                      RejectedCase{"SOURCE=BINS(0)", TooFewBins("0")},
                      RejectedCase{"SOURCE=BINS(-3)", TooFewBins("-3")},
                      RejectedCase{"SOURCE=BINS(1000001)", TooManyBins("1000001")},
                      RejectedCase{"SOURCE=BINS(2147483647)", TooManyBins("2147483647")},
                      RejectedCase{"SOURCE=VIZTEMPLATE NAME='Bar'", Unknown("NAME")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] NAME='Pie')", Duplicate("NAME")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] LOCATION=FILE)",
                                   Duplicate("LOCATION")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a) MAPPING(y=b))",
                                   Duplicate("MAPPING")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME=Bar[LOCATION=LOCAL])", Unknown("Bar")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=SOMEWHERE])", Unknown("SOMEWHERE")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] COLOR=red)", Unknown("COLOR")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL]", kIncomplete},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x a))", EqualSign("x")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=1))", Unknown("1")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING(x=a[SET='d']))",
                                   Unknown("SET")},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Violin'[LOCATION=LOCAL] MAPPING(x=a Panel_down=b))",
                                   kViolin},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Violin'[LOCATION=LOCAL] MAPPING('Panel_across'=b))",
                                   kViolin},
                      // Without a name, or with an empty mapping list, the template fails silently.
                      RejectedCase{"SOURCE=VIZTEMPLATE(MAPPING(x=a))", {}},
                      RejectedCase{"SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING())", {}}));

INSTANTIATE_TEST_SUITE_P(
    StyleSheetsAndMaps, RejectedGraphSpec,
    ::testing::Values(RejectedCase{"VIZSTYLESHEET=Modern[LOCATION=LOCAL]", Unknown("Modern")},
                      RejectedCase{"VIZSTYLESHEET='Modern' EDITABLE=NO", Unknown("EDITABLE")},
                      RejectedCase{"VIZSTYLESHEET='Modern'[]", Unknown("]")},
                      RejectedCase{"VIZSTYLESHEET='Modern'[LOCATION=LOCAL EDITABLE=NO]", Unknown("EDITABLE")},
                      RejectedCase{"VIZSTYLESHEET='Modern'[LOCATION LOCAL]", EqualSign("LOCATION")},
                      RejectedCase{"VIZMAP=World[TYPE=DATA]", Unknown("World")},
                      RejectedCase{"VIZMAP='World' TYPE=DATA", Unknown("TYPE")},
                      RejectedCase{"VIZMAP='World'[COLOR=red]", Unknown("COLOR")},
                      RejectedCase{"VIZMAP='World'[TYPE=OTHER]", Unknown("OTHER")},
                      RejectedCase{"VIZMAP='World'[TYPE=DATA TYPE=REFERENCE TYPE=DATA]", Duplicate("TYPE")},
                      RejectedCase{"VIZMAP='a'[TYPE=DATA MAPKEY='k'] VIZMAP='b'[MAPKEY='k']", Duplicate("MAPKEY")},
                      RejectedCase{"VIZMAP='World'[SHOWALLFEATURES=YES SHOWALLFEATURES=NO]",
                                   Duplicate("SHOWALLFEATURES")},
                      RejectedCase{"VIZMAP='World'[MAPKEY=name]", Unknown("name")},
                      RejectedCase{"VIZMAP='World'[TYPE=DATA", kIncomplete}));

TEST(GraphSpecSyntax, AnEmptySubcommandIsAcceptedWithoutASpec) {
  ParsedCommand parsed("GGRAPH /GRAPHSPEC /GRAPHSPEC SOURCE=BINS(3).");
  EXPECT_TRUE(parsed.accepted);
  EXPECT_EQ(parsed.session.Messages(), kIncomplete);
  ASSERT_EQ(parsed.Settings().GetGraphSpecs().size(), 1u);
  EXPECT_EQ(parsed.Settings().GetGraphSpecs()[0]->GetBinCount(), 3);
}

TEST(GraphSpecSyntax, MappingWithoutParenthesisNeedsOne) {
  ParsedSpec parsed("SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL] MAPPING x=a)");
  EXPECT_FALSE(parsed.parsed.accepted);
  Messages messages = parsed.parsed.session.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].second.find("left parenthesis"), std::string::npos) << messages[0].second;
}

// A spec's field, as text, for a table of expected values.
using Field = std::function<std::string(const GraphSpec&)>;

struct SourceCase {
  const char* subcommand;
  SourceKind kind;
  Field field;
  std::string value;
};

class GraphSpecSources : public ::testing::TestWithParam<SourceCase> {};

TEST_P(GraphSpecSources, SetTheKindAndTheValue) {
  const SourceCase& c = GetParam();
  ParsedSpec parsed(c.subcommand);
  const GraphSpec* spec = parsed.Spec();
  ASSERT_NE(spec, nullptr) << parsed.parsed.session.Messages().size();
  EXPECT_EQ(spec->GetSourceKind(), c.kind);
  EXPECT_EQ(c.field(*spec), c.value);
}

void PrintTo(const SourceCase& c, std::ostream* out) { *out << c.subcommand; }

std::string GeoJsonFiles(const GraphSpec& spec) {
  std::string files;
  for (int i = 0; i < spec.GetGeoJsonFileCount(); ++i) files += spec.GetGeoJsonFile(i) + ";";
  return files;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GraphSpecSources,
    ::testing::Values(
        SourceCase{"SOURCE=GPLFILE('a.gpl')", GPLFILE, &GraphSpec::GetGplFile, "a.gpl"},
        SourceCase{"SOURCE=VIZMLFILE('a.xml')", VIZMLFILE, &GraphSpec::GetVizmlFile, "a.xml"},
        SourceCase{"SOURCE=VIZJSONFILE('a.json')", VIZJSONFILE, &GraphSpec::GetVizJsonFile, "a.json"},
        SourceCase{"SOURCE=VIZJSONTEMPLATE('t.json')", VIZJSONTEMPLATE, &GraphSpec::GetVizJsonTemplateFile, "t.json"},
        SourceCase{"SOURCE=GEOJSONFILE('w.json')", VIZJSONTEMPLATE, GeoJsonFiles, "w.json;"},
        SourceCase{"SOURCE=IMAGEFILE('p.png')", IMAGEFILE, &GraphSpec::GetImageFile, "p.png"},
        SourceCase{"SOURCE=PMMLFILE('a.xml,b.xml')", PMMLFILE, &GraphSpec::GetPmmlFile, "a.xml,b.xml"},
        SourceCase{"SOURCE=bins(20)", BINS, [](const GraphSpec& s) { return std::to_string(s.GetBinCount()); }, "20"},
        SourceCase{"SOURCE=BINS(1000000)", BINS, [](const GraphSpec& s) { return std::to_string(s.GetBinCount()); }, "1000000"},
        SourceCase{"SOURCE=VIZJSONTEMPLATE('t.json') SOURCE=GEOJSONFILE('a.json') SOURCE=GEOJSONFILE('b.json')",
                   VIZJSONTEMPLATE, [](const GraphSpec& s) { return s.GetVizJsonTemplateFile() + ":" + GeoJsonFiles(s); },
                   "t.json:a.json;b.json;"},
        SourceCase{"SOURCE=GPLFILE('a.gpl') SOURCE=VIZMLFILE('b.xml')", VIZMLFILE,
                   [](const GraphSpec& s) { return s.GetGplFile() + ":" + s.GetVizmlFile(); }, "a.gpl:b.xml"},
        // Without parentheses the file is passed over and nothing changes.
        SourceCase{"SOURCE=IMAGEFILE('p.png') SOURCE=GPLFILE 'a.gpl' EDITABLE=NO", IMAGEFILE,
                   [](const GraphSpec& s) { return s.GetGplFile() + ":" + std::to_string(s.GetEditable()); }, ":0"}));

TEST(GraphSpecSyntax, AnInlineSourceReadsItsBlock) {
  ParsedCommand parsed("GGRAPH /GRAPHSPEC SOURCE=GPLFILE('a.gpl') SOURCE=INLINE.\nBEGIN GPL\nA: 1\nEND GPL\n");
  ASSERT_TRUE(parsed.accepted);
  const GraphSpec& spec = *parsed.Settings().GetGraphSpecs().at(0);
  EXPECT_EQ(spec.GetSourceKind(), INLINE);
  EXPECT_EQ(spec.GetGplText(), "A: 1\n");
}

TEST(GraphSpecSyntax, ReadsTheChartOptionsOfASpec) {
  ParsedSpec parsed(
      "SOURCE=IMAGEFILE('p.png') EDITABLE=NO DEFAULTTEMPLATE=NO LABEL='Sales by region' "
      "TEMPLATE=['a.sgt' 'b.sgt'] INLINETEMPLATE='<setTitle/>'");
  const GraphSpec* spec = parsed.Spec();
  ASSERT_NE(spec, nullptr);
  EXPECT_FALSE(spec->GetEditable());
  EXPECT_FALSE(spec->GetDefaultTemplate());
  EXPECT_EQ(spec->GetOutputLabel(), "Sales by region");
  EXPECT_EQ(spec->GetTemplateFiles(), (std::vector<std::string>{"a.sgt", "b.sgt"}));
  EXPECT_EQ(spec->GetInlineTemplates(), (std::vector<std::string>{"<setTitle/>"}));
}

TEST(GraphSpecSyntax, ImageFormatSelectsTheImageSubtype) {
  const std::pair<const char*, int> cases[] = {{"", 3}, {"IMAGEFORMAT=png", 3}, {"IMAGEFORMAT=BMP", 1},
                                               {"IMAGEFORMAT=Jpg", 2}};
  for (const auto& [keyword, subtype] : cases) {
    ParsedSpec parsed(std::string("SOURCE=IMAGEFILE('p') ") + keyword);
    ASSERT_NE(parsed.Spec(), nullptr) << keyword;
    EXPECT_EQ(parsed.Spec()->GetImageFormat(), subtype) << keyword;
  }
}

TEST(GraphSpecSyntax, ReadsATemplateWithItsMappings) {
  ParsedSpec parsed(
      "SOURCE=VIZTEMPLATE(NAME='Bar'[REPOSITORY LOCATION='/templates'] "
      "MAPPING(x=region 'y axis'='Total sales'[DATASET='graphdataset2']))");
  const GraphSpec* spec = parsed.Spec();
  ASSERT_NE(spec, nullptr);
  EXPECT_EQ(spec->GetSourceKind(), VIZTEMPLATE);
  EXPECT_EQ(spec->GetVizTemplateName(), "Bar");
  std::string directory;
  EXPECT_EQ(spec->GetVizTemplateLocation(directory), LOCATION_DIRECTORY);
  EXPECT_EQ(directory, "/templates");
  const auto& mappings = spec->GetVizTemplateMappings();
  ASSERT_EQ(mappings.size(), 2u);
  EXPECT_EQ(mappings[0].slotName, "x");
  EXPECT_EQ(mappings[0].variableName, "region");
  EXPECT_EQ(mappings[0].dataSetName, "");
  EXPECT_EQ(mappings[1].slotName, "y axis");
  EXPECT_EQ(mappings[1].variableName, "Total sales");
  EXPECT_EQ(mappings[1].dataSetName, "graphdataset2");
  EXPECT_FALSE(mappings[1].categorical);
}

TEST(GraphSpecSyntax, PanelSlotsAreRefusedOnlyForTheViolinTemplate) {
  for (const char* name : {"violin", "Violin plot", "Bar"}) {
    ParsedSpec parsed(std::string("SOURCE=VIZTEMPLATE(NAME='") + name + "'[LOCATION=FILE] MAPPING(Panel_down=a))");
    ASSERT_NE(parsed.Spec(), nullptr) << name;
    EXPECT_EQ(parsed.Spec()->GetVizTemplateMappings().at(0).slotName, "Panel_down");
  }
  // The name counts only once given: a mapping before it is not checked.
  ParsedSpec mappedFirst("SOURCE=VIZTEMPLATE(MAPPING(Panel_down=a) NAME='Violin'[LOCATION=LOCAL])");
  EXPECT_NE(mappedFirst.Spec(), nullptr);
}

TEST(GraphSpecSyntax, ReadsTheStyleSheetAndItsLocation) {
  const std::tuple<const char*, MapLocation, const char*> cases[] = {
      {"[LOCATION=LOCAL]", LOCATION_LOCAL, ""},
      {"[LOCATION=FILE]", LOCATION_FILE, ""},
      {"[REPOSITORY shared LOCATION='/styles']", LOCATION_DIRECTORY, "/styles"},
  };
  for (const auto& [brackets, location, path] : cases) {
    ParsedSpec parsed(std::string("SOURCE=BINS(2) VIZSTYLESHEET='Modern'") + brackets);
    const GraphSpec* spec = parsed.Spec();
    ASSERT_NE(spec, nullptr) << brackets;
    EXPECT_EQ(spec->GetStyleSheetNameAsWritten(), "Modern");
    EXPECT_EQ(spec->GetStyleSheetName(), "Modern");
    std::string directory;
    EXPECT_EQ(spec->GetStyleSheetLocation(directory), location) << brackets;
    EXPECT_EQ(directory, path) << brackets;
  }
}

// The data map and the reference map of a parsed spec, as "name location directory".
std::string Maps(const GraphSpec& spec) {
  std::string data;
  std::string reference;
  MapLocation dataLocation = spec.GetDataMapLocation(data);
  MapLocation referenceLocation = spec.GetRefMapLocation(reference);
  return spec.GetDataMapNameAsWritten() + " " + std::to_string(dataLocation) + " " + data + "|" +
         spec.GetRefMapNameAsWritten() + " " + std::to_string(referenceLocation) + " " + reference;
}

struct MapCase {
  const char* name;
  const char* subcommand;
  const char* maps;
};

class GraphSpecMaps : public ::testing::TestWithParam<MapCase> {};

TEST_P(GraphSpecMaps, AreFiledByTheirType) {
  const MapCase& c = GetParam();
  ParsedSpec parsed(std::string("SOURCE=BINS(2) ") + c.subcommand);
  const GraphSpec* spec = parsed.Spec();
  ASSERT_NE(spec, nullptr) << c.name;
  EXPECT_EQ(Maps(*spec), c.maps) << c.name;
}

void PrintTo(const MapCase& c, std::ostream* out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(
    VizMap, GraphSpecMaps,
    ::testing::Values(
        MapCase{"no map keeps both locations FILE", "", " 2 | 2 "},
        MapCase{"data and reference map", "VIZMAP='UK'[LOCATION=LOCAL TYPE=DATA] VIZMAP='World'[LOCATION='/maps' TYPE=REFERENCE]",
                "UK 0 |World 1 /maps"},
        MapCase{"a type before the location files the map as local",
                "VIZMAP='World'[TYPE=REFERENCE LOCATION=FILE]", " 2 |World 0 "},
        MapCase{"a map without type is filed as data map at the end", "VIZMAP='UK'[LOCATION='/maps']",
                "UK 1 /maps| 2 "},
        MapCase{"a map without type is filed as data map by the next map",
                "VIZMAP='UK'[LOCATION=LOCAL] VIZMAP='World'[TYPE=REFERENCE]", "UK 0 |World 0 "}));

TEST(GraphSpecSyntax, ReadsTheMapOptions) {
  ParsedSpec parsed("SOURCE=BINS(2) VIZMAP='UK'[MAPKEY='NAME' SHOWALLFEATURES=YES TYPE=DATA]");
  const GraphSpec* spec = parsed.Spec();
  ASSERT_NE(spec, nullptr);
  EXPECT_EQ(spec->GetMapKey(), "NAME");
  EXPECT_TRUE(spec->GetShowAllFeatures());
  EXPECT_TRUE(spec->HasDataMap());
  EXPECT_FALSE(spec->HasRefMap());
}

}  // namespace
