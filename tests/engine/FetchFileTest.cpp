#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FetchFile.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

namespace {

// Files named in commands are taken from the command file's folder.
TEST(FetchFile, ReadsFilesRelativeToTheCommandFilesFolder) {
  std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "fetch-file-test";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "chart.gpl", std::ios::binary) << "ELEMENT: point()\n";
  OutputDocument output;
  EngineSession session(EngineOptions{}, output);
  session.SetBaseFolder(folder.string());

  EXPECT_EQ(FetchFile::fetch("chart.gpl", true, true), "ELEMENT: point()\n");
  EXPECT_EQ(FetchFile::fetch((folder / "chart.gpl").string(), true, true), "ELEMENT: point()\n");
  EXPECT_EQ(FetchFile::fetch("absent.gpl", true, true), "");
  EXPECT_EQ(FetchFile::fetch(".", true, true), "");  // a folder is no file
  EXPECT_EQ(FetchFile::fetch("/dev/zero", true, true), "");  // nor is an endless device
  std::filesystem::resize_file(folder / "chart.gpl", (256u << 20) + 1);  // sparse: no disk used
  EXPECT_EQ(FetchFile::fetch("chart.gpl", true, true), "");

  char expanded[512];
  ASSERT_TRUE(ValidateFileSpecificationEx("sub/../chart.gpl", 16, 0, expanded, sizeof expanded));
  EXPECT_EQ(std::string(expanded), (folder / "chart.gpl").string());
  ASSERT_TRUE(ValidateFileSpecificationEx(".", 1, 0, expanded, sizeof expanded));  // a folder is accepted
  EXPECT_FALSE(ValidateFileSpecificationEx("absent.gpl", 10, 0, expanded, sizeof expanded));
  EXPECT_FALSE(ValidateFileSpecificationEx("chart.gpl", 9, 0, expanded, 4));  // no room: refused, not cut
  EXPECT_FALSE(ValidateFileSpecificationEx("", 0, 0, expanded, sizeof expanded));
  EXPECT_FALSE(ValidateFileSpecificationEx("a\0b", 3, 0, expanded, sizeof expanded));
  std::filesystem::remove_all(folder);
}

}  // namespace
