#include "cli/RunCommand.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "ParserMessage.h"
#include "chartlib/render/ChartPictureSink.h"
#include "cli/CommandFileData.h"
#include "engine/output/PageAssets.h"
#include "engine/session/CommandFileRun.h"

namespace {

bool SplitDataSets(RunArguments& arguments) {
  for (const std::string& entry : arguments.dataSets) {
    std::size_t equal = entry.find('=');
    if (equal == std::string::npos || equal == 0 || equal + 1 == entry.size()) {
      std::cerr << "ggraph: --dataset needs NAME=PATH, got '" << entry << "'\n";
      return false;
    }
    std::string name = entry.substr(0, equal);
    int verdict = ValidateVEXAName(name.c_str());
    if (verdict >= 3 && verdict != 100) {
      std::cerr << "ggraph: --dataset: '" << name << "' is not a valid data set name\n";
      return false;
    }
    arguments.options.dataSets.emplace_back(entry.substr(0, equal), entry.substr(equal + 1));
  }
  return true;
}

// Without --data, the data that the command file names in its leading
// comments, taken from the command file's folder.
void UseDataNamedInCommandFile(RunArguments& arguments, const std::filesystem::path& baseFolder) {
  if (!arguments.options.dataPath.empty() || arguments.commandFile == "-") return;
  std::ifstream file(arguments.commandFile);
  std::string named = DataNamedInComments(file);
  if (named.empty()) return;
  std::filesystem::path path = baseFolder / named;
  arguments.options.dataPath = path.lexically_normal().string();
  std::cout << "Data: " << arguments.options.dataPath << " (named in the command file)\n";
}

bool MakeFolder(const std::string& folder, const char* option) {
  std::error_code error;
  if (folder.empty() || std::filesystem::is_directory(folder) || std::filesystem::create_directories(folder, error))
    return true;
  std::cerr << "ggraph: " << option << ": cannot create the folder '" << folder << "'" << (error ? ": " : "")
            << error.message() << "\n";
  return false;
}

}  // namespace

int RunCommandFile(RunArguments& arguments) {
  if (!SplitDataSets(arguments)) return kExitUsage;
  std::ifstream file;
  std::istream* commands = &std::cin;
  std::string baseFolder = ".";
  if (arguments.commandFile != "-") {
    file.open(arguments.commandFile);
    if (!file) {
      std::cerr << "ggraph: cannot read the command file '" << arguments.commandFile << "'\n";
      return kExitUsage;
    }
    commands = &file;
    baseFolder = std::filesystem::absolute(arguments.commandFile).parent_path().string();
    UseDataNamedInCommandFile(arguments, std::filesystem::path(arguments.commandFile).parent_path());
  }
  std::ofstream json;
  if (!arguments.jsonPath.empty()) {
    json.open(arguments.jsonPath, std::ios::binary);
    if (!json) {
      std::cerr << "ggraph: cannot write the output document '" << arguments.jsonPath << "'\n";
      return kExitUsage;
    }
  }
  std::ofstream html;
  std::optional<PageAssets> pageAssets;
  if (!arguments.htmlPath.empty()) {
    std::string error;
    pageAssets = PageAssets::Load(error);
    if (!pageAssets) {
      std::cerr << "ggraph: --html: " << error << " (run scripts/setup)\n";
      return kExitUsage;
    }
    html.open(arguments.htmlPath, std::ios::binary);
    if (!html) {
      std::cerr << "ggraph: cannot write the page '" << arguments.htmlPath << "'\n";
      return kExitUsage;
    }
  }
  RunOutputs outputs{.listing = &std::cout, .json = json.is_open() ? &json : nullptr};
  if (html.is_open()) {
    outputs.html = &html;
    outputs.pageAssets = &*pageAssets;
    outputs.pageTitle = arguments.commandFile == "-" ? std::string("ggraph run")
                                                     : std::filesystem::path(arguments.commandFile).filename().string();
  }
  if (!MakeFolder(arguments.svgFolder, "--svg") || !MakeFolder(arguments.pngFolder, "--png")) return kExitUsage;
  std::unique_ptr<ChartPictureSink> pictures;
  if (!arguments.svgFolder.empty() || !arguments.pngFolder.empty()) {
    pictures = std::make_unique<ChartPictureSink>(arguments.svgFolder, arguments.pngFolder);
    outputs.more.push_back(pictures.get());
  }
  RunResult result = RunCommandStream(*commands, baseFolder, arguments.options, outputs);
  std::cout << "\n" << result.errors << " error(s), " << result.warnings << " warning(s)\n";
  bool drawingFailed = pictures && !pictures->Problems().empty();
  if (pictures) {
    for (const std::string& problem : pictures->Problems()) std::cerr << "ggraph: " << problem << "\n";
    std::cout << pictures->FilesWritten() << " picture file(s) written\n";
  }
  return result.errors > 0 || drawingFailed ? kExitErrors : kExitOk;
}
