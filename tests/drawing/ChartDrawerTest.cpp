// The node renderer seen from C++: answers come back to their own chart, a
// chart Vega cannot draw and a missing node are reported, never silent.

#include <gtest/gtest.h>

#include <cstdlib>

#include "chartlib/render/ChartDrawer.h"
#include "tests/drawing/DrawnRun.h"

namespace {

const char* kBars = R"({"$schema": "https://vega.github.io/schema/vega-lite/v6.json",
  "data": {"values": [{"k": "a", "v": 1}, {"k": "b", "v": %d}]},
  "mark": "bar", "encoding": {"x": {"field": "k", "type": "nominal"}, "y": {"field": "v", "type": "quantitative"}}})";

std::string Bars(int second) {
  std::string spec = kBars;
  spec.replace(spec.find("%d"), 2, std::to_string(second));
  std::erase(spec, '\n');
  return spec;
}

std::filesystem::path Folder() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "drawer" / test->name();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

TEST(ChartDrawer, EachAnswerGoesToItsOwnFilesAndAFailedChartIsReported) {
  std::filesystem::path folder = Folder();
  ChartDrawer drawer;
  drawer.Draw(Bars(7), folder / "first.svg", {}, "first");
  drawer.Draw(R"({"mark": "sparkle"})", folder / "bad.svg", folder / "bad.png", "bad");
  drawer.Draw(Bars(9), folder / "third.svg", folder / "third.png", "third");
  std::vector<std::string> problems = drawer.Finish();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(problems[0].starts_with("bad: not drawn: ")) << problems[0];
  EXPECT_EQ(drawer.FilesWritten(), 3);
  EXPECT_FALSE(std::filesystem::exists(folder / "bad.svg"));
  EXPECT_FALSE(std::filesystem::exists(folder / "first.png"));
  EXPECT_EQ(SvgPicture(ReadWholeFile(folder / "first.svg")).Items("bar")[1].fields.at("v"), "7");
  EXPECT_EQ(SvgPicture(ReadWholeFile(folder / "third.svg")).Items("bar")[1].fields.at("v"), "9");
  EXPECT_TRUE(std::filesystem::exists(folder / "third.png"));
}

// The build's startup snapshot is what runs by default; the script itself
// runs when it is set from outside, and must draw as well.
TEST(ChartDrawer, TheScriptSetFromOutsideDrawsWithoutTheSnapshot) {
  std::filesystem::path folder = Folder();
  std::string script = (SourceDir() / "chartlib" / "render" / "node" / "draw.mjs").string();
  setenv("GGRAPH_DRAWING_SCRIPT", script.c_str(), 1);
  ChartDrawer drawer;
  unsetenv("GGRAPH_DRAWING_SCRIPT");
  drawer.Draw(Bars(5), folder / "bars.svg", folder / "bars.png", "bars");
  EXPECT_TRUE(drawer.Finish().empty());
  EXPECT_EQ(SvgPicture(ReadWholeFile(folder / "bars.svg")).Items("bar")[1].fields.at("v"), "5");
  EXPECT_TRUE(std::filesystem::exists(folder / "bars.png"));
}

TEST(ChartDrawer, ANodeThatCannotStartIsReportedForEveryChart) {
  std::filesystem::path folder = Folder();
  setenv("GGRAPH_NODE", "/no/such/node", 1);
  ChartDrawer drawer;
  unsetenv("GGRAPH_NODE");
  drawer.Draw(Bars(1), folder / "a.svg", {}, "a");
  std::vector<std::string> problems = drawer.Finish();
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("/no/such/node"), std::string::npos) << problems[0];
  EXPECT_EQ(problems[1], "a: not drawn, the drawing process is not running");
  EXPECT_EQ(drawer.FilesWritten(), 0);
}

TEST(ChartDrawer, TheCommandLineFailsWhenAPictureCannotBeDrawn) {
  std::filesystem::path folder = Folder();
  std::string data = (SourceDir() / "examples" / "data" / "pbc").string();
  std::string command = (SourceDir() / "examples" / "filtered.sps").string();
  setenv("GGRAPH_NODE", "/no/such/node", 1);
  CliResult result = RunCli("run " + command + " --data " + data + " --svg " + folder.string());
  unsetenv("GGRAPH_NODE");
  EXPECT_EQ(result.status, 1) << result.output;
  EXPECT_NE(result.output.find("ggraph: cannot start /no/such/node"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("0 picture file(s) written"), std::string::npos) << result.output;
}

}  // namespace
