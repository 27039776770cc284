#pragma once
#include <memory>
#include <string>
#include <vector>

#include "EngineOptions.h"
#include "engine/files/OutputTargets.h"
#include "engine/output/OutputDocument.h"

class CommandInput;
class DataCatalog;
class ModuleLoader;

// The engine's state while it runs one command file.
class EngineSession {
 public:
  EngineSession(EngineOptions options, OutputDocument& output);
  ~EngineSession();
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  // The session that is running; null outside a run.
  static EngineSession* Current();

  // Runs every command of the input; the module is loaded on first use.
  void Run(CommandInput& input);

  const EngineOptions& Options() const { return options_; }
  OutputDocument& Output() { return output_; }
  // Makes input the command input, echoed into the session's output, without
  // running it (for tests that drive module code directly); null unbinds it.
  void BindInput(CommandInput* input);
  // Folder that relative file names are taken from.
  const std::string& BaseFolder() const { return baseFolder_; }
  void SetBaseFolder(std::string folder) { baseFolder_ = std::move(folder); }
  // The working data and the named data sets, loaded on first use.
  DataCatalog& Data();
  // True when path is one of the run's output files; it is then noted, and
  // the caller must not read it.
  bool IsOutputOfTheRun(const std::string& path);
  // The output files that the commands tried to read.
  const std::vector<std::string>& OutputsAskedFor() const { return outputsAskedFor_; }
  // A command looked for a variable while no working data were given.
  void NoteNameWithoutWorkingData() { namedWithoutData_ = true; }
  bool NamedWithoutWorkingData() const { return namedWithoutData_; }

 private:
  void Dispatch(CommandInput& input);
  ModuleLoader& Module();

  EngineOptions options_;
  OutputDocument& output_;
  CurrentOutputScope outputInUse_;
  CommandInput* previousInput_;
  std::string baseFolder_ = ".";
  std::unique_ptr<ModuleLoader> module_;
  std::unique_ptr<DataCatalog> data_;
  OutputTargets outputs_;
  std::vector<std::string> outputsAskedFor_;
  bool namedWithoutData_ = false;
  EngineSession* previous_;
};
