#include "engine/session/CommandFileRun.h"

#include "engine/input/CommandInput.h"
#include "engine/output/HtmlSink.h"
#include "engine/output/JsonSink.h"
#include "engine/output/ListingSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

namespace {

// A sink the caller keeps, so that it can read what the sink gathered once
// the run is over.
class BorrowedSink : public OutputSink {
 public:
  explicit BorrowedSink(OutputSink& sink) : sink_(sink) {}
  void BeginProcedure(const std::string& title) override { sink_.BeginProcedure(title); }
  void EndProcedure() override { sink_.EndProcedure(); }
  void Item(const OutputItem& item) override { sink_.Item(item); }
  void Finish() override { sink_.Finish(); }
  bool WantsChartSpecs() const override { return sink_.WantsChartSpecs(); }

 private:
  OutputSink& sink_;
};

}  // namespace

RunResult RunCommandStream(std::istream& commands, const std::string& baseFolder, const EngineOptions& options,
                           const RunOutputs& outputs) {
  OutputDocument output;
  if (outputs.listing) output.AddSink(std::make_unique<ListingSink>(*outputs.listing));
  if (outputs.json) output.AddSink(std::make_unique<JsonSink>(*outputs.json));
  if (outputs.html && outputs.pageAssets)
    output.AddSink(std::make_unique<HtmlSink>(*outputs.html, *outputs.pageAssets, outputs.pageTitle));
  for (OutputSink* sink : outputs.more) output.AddSink(std::make_unique<BorrowedSink>(*sink));
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
