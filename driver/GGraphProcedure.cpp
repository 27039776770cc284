#include "driver/GGraphProcedure.h"

#include <exception>
#include <memory>

#include "BpObject.h"
#include "BpProcedure.h"
#include "ChartBase.h"
#include "FacSTDictionary.h"
#include "PathFactory.h"
#include "ProcedureDataSource.h"
#include "VexaGoToCaller.h"
#include "driver/EngineWorkAreas.h"
#include "syntax/GGraphCommandParser.h"

namespace {

constexpr int kStringTablePath = 3;
constexpr int kShow = 2;
constexpr int kLevelError = 3;

// Steps 5 to 12: everything that runs under the failure guard.
void RunGuardedSteps() {
  auto dictionary = std::make_unique<FacSTDictionary>(PathFactory::getPathInstance(kStringTablePath));
  dictionary->SetProcedure("GGRAPH");
  auto dataSource = std::make_unique<ProcedureDataSource>();
  auto parser = std::make_unique<GGraphCommandParser>(dataSource.get(), dictionary.get());
  if (!parser->Parse() || dataSource->FatalError() || !parser->Validate()) return;
  // Reading the data sets and the chart loop come here; the command has no
  // graph data sets or specifications to work on yet.
}

}  // namespace

void RunGGraphProcedure() {
  ChartBase::printDebugInfo("Starting GGraph Procedure");
  const char* title = InvokedByRfmModule() ? "RFM Analysis" : "GGraph";
  BpProcedure procedure(title, kShow);
  try {
    RunGuardedSteps();
  } catch (const VexaGoToCaller&) {
    throw;
  } catch (const std::exception&) {
    BpError(BpString("Unexpected Error.", true), kShow, kLevelError);
  }
  ChartBase::printDebugInfo("Ending GGraph Procedure");
}

extern "C" void GGRAPH() { RunGGraphProcedure(); }
