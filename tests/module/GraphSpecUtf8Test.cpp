// Names handed to the chart library are converted from the local code page to
// UTF-8; the names as written stay as they are. A byte that is no UTF-8 in
// the (UTF-8) local code page shows the conversion: it becomes U+FFFD.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "graphspec/GraphSpec.h"
#include "tests/support/ParsedCommand.h"

namespace {

const std::string kCafe = "Caf\xC3\xA9";           // valid UTF-8, kept
const std::string kStrayByte = "Caf\xE9";           // not UTF-8
const std::string kReplaced = "Caf\xEF\xBF\xBD";    // its UTF-8 form

TEST(GraphSpecUtf8, StyleSheetNamesAreKeptInUtf8AlsoWhenResolved) {
  for (MapLocation location : {LOCATION_LOCAL, LOCATION_DIRECTORY}) {
    for (const auto& [written, utf8] : {std::pair{kCafe, kCafe}, std::pair{kStrayByte, kReplaced}}) {
      GraphSpec spec;
      spec.SetStyleSheet(written);
      spec.SetStyleSheetLocation(location, written);
      EXPECT_EQ(spec.GetStyleSheetName(), utf8);
      EXPECT_TRUE(spec.ResolveStyleSheet());
      EXPECT_EQ(spec.GetStyleSheetName(), utf8);
      EXPECT_EQ(spec.GetStyleSheetNameAsWritten(), written);
      std::string directory;
      spec.GetStyleSheetLocation(directory);
      EXPECT_EQ(directory, utf8);
    }
  }
}

TEST(GraphSpecUtf8, MapNamesAreConvertedWhenResolved) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "graph-spec-utf8";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / kStrayByte) << "{}";
  GraphSpec spec;
  spec.SetDataMapName(kStrayByte);
  spec.SetDataMapLocation(LOCATION_LOCAL, "");
  spec.SetRefMapName((folder / kStrayByte).string());
  EXPECT_TRUE(spec.ResolveDataMap());
  EXPECT_TRUE(spec.ResolveRefMap());
  EXPECT_EQ(spec.GetDataMapName(), kReplaced);
  EXPECT_EQ(spec.GetRefMapName(), (folder / kReplaced).string());
  EXPECT_EQ(spec.GetDataMapNameAsWritten(), kStrayByte);
  std::filesystem::remove_all(folder);
}

TEST(GraphSpecUtf8, TemplateNamesMappingsAndMapKeysAreReadInUtf8) {
  ParsedCommand parsed("GGRAPH /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='" + kStrayByte + "'[LOCATION='/" + kStrayByte +
                       "'] MAPPING('" + kStrayByte + "'=" + kStrayByte + "[DATASET='" + kStrayByte + "'])) VIZMAP='" +
                       kStrayByte + "'[LOCATION='/" + kStrayByte + "' MAPKEY='" + kStrayByte + "'].");
  ASSERT_TRUE(parsed.accepted);
  const GraphSpec& spec = *parsed.Settings().GetGraphSpecs().at(0);
  EXPECT_EQ(spec.GetVizTemplateName(), kReplaced);
  std::string directory;
  spec.GetVizTemplateLocation(directory);
  EXPECT_EQ(directory, "/" + kReplaced);
  const VizVariableMapping& mapping = spec.GetVizTemplateMappings().at(0);
  EXPECT_EQ(mapping.slotName, kReplaced);
  EXPECT_EQ(mapping.variableName, kReplaced);
  EXPECT_EQ(mapping.dataSetName, kReplaced);
  EXPECT_EQ(spec.GetMapKey(), kReplaced);
  EXPECT_EQ(spec.GetDataMapNameAsWritten(), kStrayByte);
  spec.GetDataMapLocation(directory);
  EXPECT_EQ(directory, "/" + kReplaced);
}

}  // namespace
