// The files a run with --svg and --png writes: one per drawn chart, named by
// output order and description, split groups numbered; charts that are not
// drawn keep their number, get no file and one warning.

#include <gtest/gtest.h>

#include <regex>

#include "chartlib/output/Base64.h"
#include "chartlib/render/PictureFileName.h"
#include "tests/drawing/DrawnRun.h"

namespace {

using nlohmann::json;

TEST(PictureFileName, StemsFollowOrderDescriptionAndSplitGroup) {
  struct Case {
    int order;
    const char* description;
    int group;
    const char* stem;
  } cases[] = {
      {3, "Mean bilirubin by stage", 1, "03-mean-bilirubin-by-stage"},
      {5, "Ozone and temperature ; Month = June", 2, "05-ozone-and-temperature-month-june-2"},
      {12, "  --Already--slugged-- ", 1, "12-already-slugged"},
      {1, "", 1, "01-chart"},
      {1, "%%%", 3, "01-chart-3"},
      {100, "Größe (cm)", 1, "100-größe-cm"},
  };
  for (const Case& c : cases) EXPECT_EQ(PictureFileStem(c.order, c.description, c.group), c.stem) << c.description;
}

TEST(PictureFileName, LongDescriptionsAreCutWithoutBreakingALetter) {
  std::string slug = DescriptionSlug(std::string(59, 'a') + "é and more");
  EXPECT_EQ(slug, std::string(59, 'a'));  // the two bytes of é do not fit in 60
  EXPECT_EQ(DescriptionSlug(std::string(200, 'x')).size(), 60u);
}

TEST(Base64, DecodingUndoesEncoding) {
  for (std::string bytes : {std::string(), std::string("a"), std::string("ab"), std::string("abc"),
                            std::string("\x89PNG\r\n\x1a\n\0\xff", 10)})
    EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
  EXPECT_EQ(DecodeBase64("YWJj\nZA=="), "abcd");
}

std::string WriteCommands(const std::string& name, const std::string& text) {
  std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(path) << text;
  return path.string();
}

constexpr const char* kPbcChart = R"(GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=stage COUNT()[NAME="COUNT"]
  /GRAPHSPEC SOURCE=INLINE LABEL='%s'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: stage = col(source(s), name("stage"), unit.category())
  DATA: COUNT = col(source(s), name("COUNT"))
  ELEMENT: %s(position(stage*COUNT))
END GPL
)";

std::string PbcChart(const std::string& label, const std::string& element) {
  std::string text = kPbcChart;
  text.replace(text.find("%s"), 2, label);
  text.replace(text.find("%s"), 2, element);
  return text;
}

std::string PbcData() { return "--data " + (SourceDir() / "examples" / "data" / "pbc").string(); }

TEST(PictureFiles, OneFilePerDrawnChartNamedByOrderUndrawnChartsWarnOnce) {
  std::string commands = PbcChart("Patients by stage", "interval") + PbcChart("Sparkles", "sparkle") +
                         PbcChart("Points by stage", "point");
  DrawnRun run = DrawCommandFile(WriteCommands("three-charts.sps", commands), PbcData());
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  EXPECT_EQ(run.Files("svg"), (std::vector<std::string>{"01-patients-by-stage.svg", "03-points-by-stage.svg"}));
  EXPECT_EQ(run.Files("png"), (std::vector<std::string>{"01-patients-by-stage.png", "03-points-by-stage.png"}));

  std::vector<json> charts = run.OfType("chart");
  ASSERT_EQ(charts.size(), 3u);
  EXPECT_TRUE(charts[0].contains("vegaLite"));
  EXPECT_FALSE(charts[1].contains("vegaLite"));
  EXPECT_TRUE(charts[2].contains("vegaLite"));
  EXPECT_EQ(charts[0]["vegaLite"]["data"]["values"].size(), charts[0]["data"]["sources"][0]["rows"]);

  std::vector<json> warnings;
  for (const json& message : run.OfType("message"))
    if (message["text"].get<std::string>().find("is not drawn") != std::string::npos) warnings.push_back(message);
  ASSERT_EQ(warnings.size(), 1u) << run.document.dump(1);
  EXPECT_EQ(warnings[0]["level"], 2);
  std::string text = warnings[0]["text"];
  EXPECT_NE(text.find("sparkle"), std::string::npos) << text;
  EXPECT_NE(text.find("line 4, column 12"), std::string::npos) << text;
  // Right after its chart.
  for (std::size_t i = 0; i + 1 < run.items.size(); ++i)
    if (run.items[i]["type"] == "chart" && run.items[i]["description"] == "Sparkles") {
      EXPECT_EQ(run.items[i + 1], warnings[0]);
    }
  EXPECT_NE(run.cli.output.find(text), std::string::npos) << "the listing shows the same warning";
}

TEST(PictureFiles, PngFilesArePicturesOfTheSvgSize) {
  DrawnRun run = DrawCommandFile(WriteCommands("one-chart.sps", PbcChart("Patients", "interval")), PbcData());
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  std::string png = ReadWholeFile(run.folder / "png" / "01-patients.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  auto bigEndian = [&](std::size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  std::string svg = ReadWholeFile(run.folder / "svg" / "01-patients.svg");
  std::smatch size;
  ASSERT_TRUE(std::regex_search(svg, size, std::regex(R"re(width="(\d+)" height="(\d+)")re")));
  // Drawn at twice the SVG's size, for sharp text.
  EXPECT_EQ(bigEndian(16), 2u * std::stoul(size[1]));
  EXPECT_EQ(bigEndian(20), 2u * std::stoul(size[2]));
}

TEST(PictureFiles, OnlyTheWantedKindIsWrittenAndAPlainRunCarriesNoVegaLite) {
  std::string file = WriteCommands("svg-only.sps", PbcChart("Patients", "interval"));
  DrawnRun svgOnly = DrawCommandFile(file, PbcData(), "--svg");
  ASSERT_EQ(svgOnly.cli.status, 0) << svgOnly.cli.output;
  EXPECT_EQ(svgOnly.Files("svg"), std::vector<std::string>{"01-patients.svg"});
  EXPECT_FALSE(std::filesystem::exists(svgOnly.folder / "png"));

  // Without --json, --svg or --png nothing is compiled; the construct check
  // still speaks.
  CliResult plain = RunCli("run " + WriteCommands("plain.sps", PbcChart("Sparkles", "sparkle")) + " " + PbcData());
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(plain.output.find("not drawn: the GPL names an unknown element type \"sparkle\""), std::string::npos)
      << plain.output;
}

TEST(PictureFiles, ImagesAndJsonChartsAreWrittenAsTheyAre) {
  const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(24, '\0');
  std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "as-is";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "image.png", std::ios::binary) << png;
  std::ofstream(folder / "chart.json") << R"({"chart": 1})";
  std::string file = (folder / "as-is.sps").string();
  std::ofstream(file) << "GGRAPH /GRAPHSPEC SOURCE=VIZJSONFILE('chart.json') LABEL='Sales'\n"
                         " /GRAPHSPEC SOURCE=IMAGEFILE('image.png') LABEL='Logo'.\n";
  DrawnRun run = DrawCommandFile(file, "");
  ASSERT_EQ(run.cli.status, 0) << run.cli.output;
  for (const char* kind : {"svg", "png"}) {
    EXPECT_EQ(run.Files(kind), (std::vector<std::string>{"01-sales.json", "02-logo.png"})) << kind;
    EXPECT_EQ(ReadWholeFile(run.folder / kind / "01-sales.json"), R"({"chart": 1})");
    EXPECT_EQ(ReadWholeFile(run.folder / kind / "02-logo.png"), png);
  }
}

TEST(PictureFiles, AFolderThatCannotBeMadeStopsTheRunAtOnce) {
  std::string blocker = WriteCommands("not-a-folder", "x");
  CliResult result = RunCli("run " + WriteCommands("any.sps", PbcChart("P", "interval")) + " --png " + blocker + "/sub");
  EXPECT_EQ(result.status, 2) << result.output;
  EXPECT_NE(result.output.find("--png"), std::string::npos) << result.output;
}

}  // namespace
