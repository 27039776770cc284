#include "EngineSession.h"

#include <exception>

#include "ModuleLoader.h"
#include "VexaGoToCaller.h"
#include "WorkAreaStore.h"
#include "engine/data/DataCatalog.h"
#include "engine/input/CommandInput.h"
#include "engine/output/EngineErrors.h"

namespace {
EngineSession* g_current = nullptr;
}  // namespace

EngineSession::EngineSession(EngineOptions options, OutputDocument& output)
    : options_(std::move(options)),
      output_(output),
      outputInUse_(output),
      previousInput_(CurrentCommandInput()),
      outputs_(options_.outputPaths),
      previous_(g_current) {
  g_current = this;
  BindCommandInput(nullptr);
  WorkAreaStore::SetInvokingModule(options_.invokedBy);
  output_.SetDebug(options_.debug);
}

EngineSession::~EngineSession() {
  BindCommandInput(previousInput_);
  g_current = previous_;
  WorkAreaStore::SetInvokingModule("");
}

EngineSession* EngineSession::Current() { return g_current; }

ModuleLoader& EngineSession::Module() {
  if (!module_) module_ = std::make_unique<ModuleLoader>(ModuleLoader::DefaultPath());
  return *module_;
}

DataCatalog& EngineSession::Data() {
  if (!data_) data_ = std::make_unique<DataCatalog>(options_.dataPath, options_.dataSets,
                                                          CsvReadOptions{.delimiter = options_.delimiter});
  return *data_;
}

bool EngineSession::IsOutputOfTheRun(const std::string& path) {
  const std::string* output = outputs_.Find(path);
  if (!output) return false;
  bool known = false;
  for (const std::string& asked : outputsAskedFor_) known = known || asked == *output;
  if (!known) outputsAskedFor_.push_back(*output);
  return true;
}

void EngineSession::BindInput(CommandInput* input) {
  if (input) input->EchoInto(&output_);
  BindCommandInput(input);
}

void EngineSession::Run(CommandInput& input) {
  BindInput(&input);
  while (input.NextCommand()) Dispatch(input);
  BindInput(nullptr);
}

void EngineSession::Dispatch(CommandInput& input) {
  const std::string& name = input.CommandName();
  ModuleLoader::Entry entry = nullptr;
  if (!Module().Loaded()) {
    ReportEngineError(kErrModuleNotLoaded, {Module().LoadError()});
    return;
  }
  entry = Module().Find(name);
  if (!entry) {
    ReportEngineError(kErrUnknownCommand, {name});
    return;
  }
  try {
    entry();
  } catch (const VexaGoToCaller&) {
    // The procedure was abandoned; its reason is already in the output.
  } catch (const std::exception& e) {
    ReportEngineError(kErrModuleFault, {name, e.what()});
  }
  input.FinishCommand();
}
