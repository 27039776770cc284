// The examples gallery: every command file in examples/ runs over the data
// package its header names, without a message, and gives the charts it
// promises its reader.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <regex>
#include <sstream>

#include "tests/support/RunCommands.h"

namespace {

using nlohmann::json;

const std::filesystem::path kExamples = std::filesystem::path(GGRAPH_SOURCE_DIR) / "examples";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The package named by the example's "* Data: examples/data/<package>" line.
std::string DataPackageOf(const std::string& commands) {
  std::smatch match;
  static const std::regex kDataLine(R"(\* Data: examples/data/([A-Za-z0-9_-]+))");
  return std::regex_search(commands, match, kDataLine) ? match[1].str() : std::string();
}

CommandRun RunExample(const std::string& file) {
  std::string commands = ReadFile(kExamples / file);
  EngineOptions options;
  options.dataPath = (kExamples / "data" / DataPackageOf(commands)).string();
  return RunCommands(commands, options, kExamples.string());
}

std::vector<json> Charts(const CommandRun& run) { return ItemsOfType(run, "chart"); }

// The chart's only source.
const json& Source(const json& chart) { return chart["data"]["sources"].at(0); }

std::vector<std::string> ColumnNames(const json& chart) {
  std::vector<std::string> names;
  for (const json& column : Source(chart)["columns"]) names.push_back(column["name"]);
  return names;
}

const json& Column(const json& chart, const std::string& name) {
  for (const json& column : Source(chart)["columns"])
    if (column["name"] == name) return column["values"];
  static const json kNone;
  ADD_FAILURE() << "no column " << name << " in " << chart["data"].dump();
  return kNone;
}

double Sum(const json& values) {
  double sum = 0;
  for (const json& value : values)
    if (value.is_number()) sum += value.get<double>();
  return sum;
}

const json& Variable(const json& chart, const std::string& name) {
  for (const json& variable : chart["variables"])
    if (variable["name"] == name) return variable;
  static const json kNone;
  ADD_FAILURE() << "no variable " << name;
  return kNone;
}

json Relabels(const std::vector<std::pair<json, std::string>>& pairs) {
  json relabels = json::array();
  for (const auto& [value, label] : pairs) relabels.push_back({{"value", value}, {"label", label}});
  return relabels;
}

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(kExamples))
    if (entry.path().extension() == ".sps") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

// How many charts each example sends; a new example must join this table.
const std::map<std::string, std::size_t> kChartCounts = {
    {"bar-means-error-bars.sps", 1}, {"clustered-bars.sps", 1}, {"filtered.sps", 1},
    {"gpl-file.sps", 5},             {"histogram.sps", 1},      {"multiple-response.sps", 1},
    {"scatter-fit-line.sps", 1},     {"several-statistics.sps", 1}, {"split-by-month.sps", 5},
    {"template.sps", 1},
};

TEST(Examples, EveryExampleRunsWithoutAMessageAndSendsItsCharts) {
  std::vector<std::string> files = ExampleFiles();
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    ASSERT_TRUE(kChartCounts.count(file)) << file << " has no entry in the examples test";
    ASSERT_FALSE(DataPackageOf(ReadFile(kExamples / file)).empty()) << file << " names no data package";
    CommandRun run = RunExample(file);
    EXPECT_TRUE(ItemsOfType(run, "message").empty()) << file << "\n" << run.listing;
    auto charts = Charts(run);
    ASSERT_EQ(charts.size(), kChartCounts.at(file)) << file << "\n" << run.listing;
    for (const json& chart : charts) EXPECT_FALSE(chart["data"].is_null()) << file;
  }
}

}  // namespace
