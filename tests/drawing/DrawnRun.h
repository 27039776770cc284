#pragma once
// Runs the ggraph front end with --svg, --png and --json into a fresh folder
// and reads back what it wrote: the output document, the chart items, and
// the pictures.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/drawing/SvgPicture.h"
#include "tests/support/RunCli.h"

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

struct DrawnRun {
  std::filesystem::path folder;
  CliResult cli;
  nlohmann::json document;
  std::vector<nlohmann::json> items;  // procedures flattened, in output order

  std::vector<nlohmann::json> OfType(const std::string& type) const {
    std::vector<nlohmann::json> found;
    for (const nlohmann::json& item : items)
      if (item["type"] == type) found.push_back(item);
    return found;
  }
  // The file names in a picture folder ("svg" or "png"), sorted.
  std::vector<std::string> Files(const std::string& kind) const {
    std::vector<std::string> names;
    if (!std::filesystem::exists(folder / kind)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(folder / kind))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  SvgPicture Picture(const std::string& svgName) const { return SvgPicture(ReadWholeFile(folder / "svg" / svgName)); }
};

inline void FlattenItems(const nlohmann::json& items, std::vector<nlohmann::json>& out) {
  for (const nlohmann::json& item : items) {
    out.push_back(item);
    if (item.value("type", "") == "procedure") FlattenItems(item["items"], out);
  }
}

// Runs a command file (with its options, such as --data) with the picture
// folders <folder>/svg and <folder>/png; pictures says which are wanted.
inline DrawnRun DrawCommandFile(const std::string& commandFile, const std::string& options,
                                const std::string& pictures = "--svg --png") {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  DrawnRun run;
  run.folder = std::filesystem::path(::testing::TempDir()) / "drawn" /
               (std::string(test->test_suite_name()) + "." + test->name() + "." +
                std::filesystem::path(commandFile).stem().string());
  std::filesystem::remove_all(run.folder);
  std::filesystem::create_directories(run.folder);
  std::string arguments = "run " + commandFile + " " + options + " --json " + (run.folder / "out.json").string();
  if (pictures.find("--svg") != std::string::npos) arguments += " --svg " + (run.folder / "svg").string();
  if (pictures.find("--png") != std::string::npos) arguments += " --png " + (run.folder / "png").string();
  run.cli = RunCli(arguments);
  run.document = nlohmann::json::parse(ReadWholeFile(run.folder / "out.json"), nullptr, false);
  if (run.document.is_object()) FlattenItems(run.document["items"], run.items);
  return run;
}

inline const std::filesystem::path& SourceDir() {
  static const std::filesystem::path kSource(GGRAPH_SOURCE_DIR);
  return kSource;
}

// An example of examples/ over the data package its header names.
inline DrawnRun DrawExample(const std::string& name, const std::string& dataPackage,
                            const std::string& pictures = "--svg --png") {
  std::filesystem::path examples = SourceDir() / "examples";
  return DrawCommandFile((examples / (name + ".sps")).string(), "--data " + (examples / "data" / dataPackage).string(),
                         pictures);
}
