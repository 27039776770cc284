#include "engine/session/CommandFileRun.h"

#include "engine/input/CommandInput.h"
#include "engine/output/JsonSink.h"
#include "engine/output/ListingSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

RunResult RunCommandStream(std::istream& commands, const std::string& baseFolder, const EngineOptions& options,
                           const RunOutputs& outputs) {
  OutputDocument output;
  if (outputs.listing) output.AddSink(std::make_unique<ListingSink>(*outputs.listing));
  if (outputs.json) output.AddSink(std::make_unique<JsonSink>(*outputs.json));
  CommandInput input = CommandInput::FromStream(commands);
  std::vector<std::string> outputsRead;
  bool namedWithoutData = false;
  {
    EngineSession session(options, output);
    session.SetBaseFolder(baseFolder);
    session.Run(input);
    outputsRead = session.OutputsAskedFor();
    namedWithoutData = session.NamedWithoutWorkingData();
  }
  output.Finish();
  return RunResult{output.ErrorCount(), output.WarningCount(), std::move(outputsRead), namedWithoutData};
}
