#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphspec/GraphSpec.h"

namespace {

TEST(GraphSpecRecord, StartsWithItsDefaults) {
  GraphSpec spec;
  EXPECT_EQ(spec.GetSourceKind(), INLINE);
  EXPECT_TRUE(spec.GetEditable());
  EXPECT_TRUE(spec.GetDefaultTemplate());
  EXPECT_FALSE(spec.GetShowAllFeatures());
  EXPECT_EQ(spec.GetBinCount(), 100);
  EXPECT_EQ(spec.GetImageFormat(), 3);
  std::string directory = "not cleared";
  EXPECT_EQ(spec.GetStyleSheetLocation(directory), LOCATION_LOCAL);
  EXPECT_EQ(directory, "");
  EXPECT_EQ(spec.GetVizTemplateLocation(directory), LOCATION_LOCAL);
  EXPECT_EQ(spec.GetDataMapLocation(directory), LOCATION_FILE);
  EXPECT_EQ(spec.GetRefMapLocation(directory), LOCATION_FILE);
  EXPECT_FALSE(spec.HasStyleSheet());
  EXPECT_FALSE(spec.HasDataMap());
  EXPECT_FALSE(spec.HasRefMap());
  EXPECT_EQ(spec.GetGeoJsonFileCount(), 0);
  EXPECT_TRUE(spec.GetTemplateFiles().empty());
  EXPECT_TRUE(spec.GetVizTemplateMappings().empty());
}

TEST(GraphSpecRecord, GivesGeoJsonFilesInOrderAndEmptyTextOutsideTheList) {
  GraphSpec spec;
  spec.AddGeoJsonFile("a.json");
  spec.AddGeoJsonFile("b.json");
  ASSERT_EQ(spec.GetGeoJsonFileCount(), 2);
  EXPECT_EQ(spec.GetGeoJsonFile(0), "a.json");
  EXPECT_EQ(spec.GetGeoJsonFile(1), "b.json");
  EXPECT_EQ(spec.GetGeoJsonFile(2), "");
  EXPECT_EQ(spec.GetGeoJsonFile(-1), "");
}

TEST(GraphSpecRecord, KeepsEachLocationApart) {
  GraphSpec spec;
  spec.SetVizTemplateLocation(LOCATION_DIRECTORY, "templates");
  spec.SetStyleSheetLocation(LOCATION_FILE, "");
  spec.SetDataMapLocation(LOCATION_DIRECTORY, "data maps");
  spec.SetRefMapLocation(LOCATION_LOCAL, "");
  std::string directory;
  EXPECT_EQ(spec.GetVizTemplateLocation(directory), LOCATION_DIRECTORY);
  EXPECT_EQ(directory, "templates");
  EXPECT_EQ(spec.GetStyleSheetLocation(directory), LOCATION_FILE);
  EXPECT_EQ(directory, "");
  EXPECT_EQ(spec.GetDataMapLocation(directory), LOCATION_DIRECTORY);
  EXPECT_EQ(directory, "data maps");
  EXPECT_EQ(spec.GetRefMapLocation(directory), LOCATION_LOCAL);
  EXPECT_EQ(directory, "");
}

// The three named files resolve alike, each from its own name and location.
struct NamedFile {
  const char* what;
  void (GraphSpec::*setName)(const std::string&);
  void (GraphSpec::*setLocation)(MapLocation, const std::string&);
  bool (GraphSpec::*resolve)();
  const std::string& (GraphSpec::*resolvedName)() const;
  const std::string& (GraphSpec::*nameAsWritten)() const;
};

const NamedFile kNamedFiles[] = {
    {"data map", &GraphSpec::SetDataMapName, &GraphSpec::SetDataMapLocation, &GraphSpec::ResolveDataMap,
     &GraphSpec::GetDataMapName, &GraphSpec::GetDataMapNameAsWritten},
    {"reference map", &GraphSpec::SetRefMapName, &GraphSpec::SetRefMapLocation, &GraphSpec::ResolveRefMap,
     &GraphSpec::GetRefMapName, &GraphSpec::GetRefMapNameAsWritten},
    {"style sheet", &GraphSpec::SetStyleSheet, &GraphSpec::SetStyleSheetLocation, &GraphSpec::ResolveStyleSheet,
     &GraphSpec::GetStyleSheetName, &GraphSpec::GetStyleSheetNameAsWritten},
};

struct ResolutionCase {
  const char* name;
  MapLocation location;
  std::string asWritten;
  std::string resolved;
  bool result;
};

const std::string kTooLongForTheEngine(5000, 'm');

// A file name resolves only to a file the engine can reach: folder holds
// world.json.
std::vector<ResolutionCase> ResolutionCases(const std::filesystem::path& folder) {
  const std::string world = (folder / "world.json").string();
  return {
      {"a local name is kept", LOCATION_LOCAL, "World", "World", true},
      {"a name in a directory is kept", LOCATION_DIRECTORY, "World", "World", true},
      {"a file name is expanded", LOCATION_FILE, (folder / "old" / ".." / "world.json").string(), world, true},
      {"a file that does not exist", LOCATION_FILE, (folder / "nosuch.json").string(), "", false},
      {"a file name the engine rejects", LOCATION_FILE, kTooLongForTheEngine, "", false},
      {"a file name holding a zero byte", LOCATION_FILE, std::string("a\0b.json", 8), "", false},
      {"a long name outside a file is kept", LOCATION_LOCAL, kTooLongForTheEngine, kTooLongForTheEngine, true},
  };
}

TEST(GraphSpecRecord, ResolvesMapsAndStyleSheetsByTheirLocation) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "graph-spec-resolution";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "world.json") << "{}";
  for (const NamedFile& file : kNamedFiles) {
    for (const ResolutionCase& c : ResolutionCases(folder)) {
      GraphSpec spec;
      // Every location but this file's own is FILE, to show that each uses its own.
      spec.SetDataMapLocation(LOCATION_FILE, "");
      spec.SetRefMapLocation(LOCATION_FILE, "");
      spec.SetStyleSheetLocation(LOCATION_FILE, "");
      (spec.*file.setLocation)(c.location, "");
      (spec.*file.setName)(c.asWritten);
      EXPECT_EQ((spec.*file.resolve)(), c.result) << file.what << ": " << c.name;
      EXPECT_EQ((spec.*file.resolvedName)(), c.resolved) << file.what << ": " << c.name;
      EXPECT_EQ((spec.*file.nameAsWritten)(), c.asWritten) << file.what << ": " << c.name;
    }
  }
  std::filesystem::remove_all(folder);
}

TEST(GraphSpecRecord, MapsAreNamedOnlyOnceResolved) {
  GraphSpec spec;
  EXPECT_FALSE(spec.ResolveDataMap());
  spec.SetDataMapLocation(LOCATION_LOCAL, "");
  spec.SetDataMapName("World");
  EXPECT_TRUE(spec.HasDataMap());
  EXPECT_EQ(spec.GetDataMapName(), "");
  EXPECT_FALSE(spec.HasRefMap());
  EXPECT_FALSE(spec.ResolveRefMap());
  EXPECT_TRUE(spec.ResolveDataMap());
  EXPECT_EQ(spec.GetDataMapName(), "World");
}

}  // namespace
