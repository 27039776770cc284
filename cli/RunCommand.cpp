#include "cli/RunCommand.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "ParserMessage.h"
#include "chartlib/render/ChartPictureSink.h"
#include "cli/CommandFileData.h"
#include "cli/InterruptCleanup.h"
#include "cli/OutputFiles.h"
#include "engine/data/VariableNames.h"
#include "engine/output/PageAssets.h"
#include "engine/session/CommandFileRun.h"

namespace {

bool Usage(const std::string& reason) {
  std::cerr << "ggraph: " << reason << "\n";
  return false;
}

bool SplitDataSets(RunArguments& arguments) {
  for (const std::string& entry : arguments.dataSets) {
    std::size_t equal = entry.find('=');
    if (equal == std::string::npos || equal == 0 || equal + 1 == entry.size())
      return Usage("--dataset needs NAME=PATH, got '" + entry + "'");
    std::string name = entry.substr(0, equal);
    int verdict = ValidateVEXAName(name.c_str());
    if (verdict >= 3 && verdict != 100) return Usage("--dataset: '" + name + "' is not a valid data set name");
    // A second PATH for a name would be silently ignored.
    for (const auto& [known, path] : arguments.options.dataSets)
      if (SameName(known, name)) return Usage("--dataset: the data set name '" + name + "' is given twice");
    arguments.options.dataSets.emplace_back(name, entry.substr(equal + 1));
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

std::vector<RunInput> InputsOf(const RunArguments& arguments) {
  std::vector<RunInput> inputs;
  if (arguments.commandFile != "-") inputs.push_back({arguments.commandFile, "the command file"});
  if (!arguments.options.dataPath.empty()) inputs.push_back({arguments.options.dataPath, "the --data file"});
  for (const auto& [name, path] : arguments.options.dataSets)
    inputs.push_back({path, "the file of the data set " + name});
  return inputs;
}

bool OpenCommandFile(const std::string& path, std::ifstream& file) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return Usage("the command file '" + path + "' is a folder");
  file.open(path);
  if (!file) return Usage("cannot read the command file '" + path + "'");
  return true;
}

int Fail(const std::string& reason, int status) {
  std::cerr << "ggraph: " << reason << "\n";
  return status;
}

}  // namespace

int RunCommandFile(RunArguments& arguments) {
  if (!SplitDataSets(arguments)) return kExitUsage;
  UseDataNamedInCommandFile(arguments, std::filesystem::path(arguments.commandFile).parent_path());
  OutputFiles outputs;
  if (!arguments.jsonPath.empty()) outputs.Add("--json", arguments.jsonPath);
  if (!arguments.htmlPath.empty()) outputs.Add("--html", arguments.htmlPath);
  std::string conflict = outputs.ConflictWith(InputsOf(arguments));
  if (!conflict.empty()) return Fail(conflict, kExitUsage);
  std::ifstream file;
  std::istream* commands = &std::cin;
  std::string baseFolder = ".";
  if (arguments.commandFile != "-") {
    if (!OpenCommandFile(arguments.commandFile, file)) return kExitUsage;
    commands = &file;
    baseFolder = std::filesystem::absolute(arguments.commandFile).parent_path().string();
  }
  std::optional<PageAssets> pageAssets;
  if (!arguments.htmlPath.empty()) {
    std::string error;
    pageAssets = PageAssets::Load(error);
    if (!pageAssets) return Fail("--html: " + error + " (run scripts/setup)", kExitUsage);
  }
  if (!MakeFolder(arguments.svgFolder, "--svg") || !MakeFolder(arguments.pngFolder, "--png")) return kExitUsage;
  std::string error;
  if (!outputs.Open(&error)) return Fail(error, kExitErrors);
  for (const std::string& temporary : outputs.TemporaryPaths()) RemoveOnInterrupt(temporary);
  arguments.options.outputPaths = outputs.AbsolutePaths();
  RunOutputs streams{.listing = &std::cout,
                     .json = arguments.jsonPath.empty() ? nullptr : outputs.Stream(arguments.jsonPath)};
  if (pageAssets) {
    streams.html = outputs.Stream(arguments.htmlPath);
    streams.pageAssets = &*pageAssets;
    streams.pageTitle = arguments.commandFile == "-" ? std::string("ggraph run")
                                                     : std::filesystem::path(arguments.commandFile).filename().string();
  }
  std::unique_ptr<ChartPictureSink> pictures;
  if (!arguments.svgFolder.empty() || !arguments.pngFolder.empty()) {
    pictures = std::make_unique<ChartPictureSink>(arguments.svgFolder, arguments.pngFolder);
    pictures->ListFilesIn(&std::cout);
    streams.more.push_back(pictures.get());
  }
  RunResult result = RunCommandStream(*commands, baseFolder, arguments.options, streams);
  if (result.namedWithoutData && result.errors > 0)
    std::cout << "\nNo working data were given, so the commands' variables do not exist: "
                 "name the data file with --data PATH.\n";
  std::cout << "\n" << result.errors << " error(s), " << result.warnings << " warning(s)\n";
  bool drawingFailed = pictures && !pictures->Problems().empty();
  if (pictures) {
    for (const std::string& problem : pictures->Problems()) std::cerr << "ggraph: " << problem << "\n";
    std::cout << pictures->FilesWritten() << " picture file(s) written\n";
  }
  if (!result.outputsRead.empty()) {
    outputs.Discard();
    return Fail(outputs.Describe(result.outputsRead.front()) + " names a file the commands read; nothing was written",
                kExitUsage);
  }
  if (!outputs.Commit(&error)) return Fail(error, kExitErrors);
  return result.errors > 0 || drawingFailed ? kExitErrors : kExitOk;
}
