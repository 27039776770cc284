#include <exception>
#include <memory>

#include "driver/ProcedureFlavor.h"
#include "driver/ProcedureRun.h"
#include "host/chart/ChartBase.h"
#include "host/engine/BpProcedure.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/PathFactory.h"
#include "host/engine/ProcedureDataSource.h"
#include "host/engine/VexaGoToCaller.h"
#include "report/Messages.h"
#include "syntax/GGraphCommandParser.h"

namespace {

constexpr int kStringTablePath = 3;
// The procedure's output is shown (BpProcedure's show argument).
constexpr int kShowProcedure = 2;

bool Accepted(const ProcedureFlavor& flavor, GGraphCommandParser& parser, const ProcedureDataSource& data) {
  if (!parser.Parse()) return false;
  if (flavor.validateBeforeDataCheck) return parser.Validate() && !data.FatalError();
  return !data.FatalError() && parser.Validate();
}

// Everything that runs under the failure guard; the objects are released in
// reverse order of their creation when it returns or an exception passes.
// False when the procedure ended at once.
bool RunGuardedSteps(const ProcedureFlavor& flavor, BpProcedure& procedure) {
  auto dictionary = std::make_unique<FacSTDictionary>(PathFactory::getPathInstance(kStringTablePath));
  dictionary->SetProcedure(flavor.stringTable);
  auto dataSource = std::make_unique<ProcedureDataSource>();
  auto parser = std::make_unique<GGraphCommandParser>(dataSource.get(), dictionary.get(), flavor.grammar());
  if (!Accepted(flavor, *parser, *dataSource)) return true;
  if (flavor.mayRun && !flavor.mayRun()) return true;
  ProcedureRun run{procedure, *dictionary, *dataSource, parser->Settings()};
  if (!flavor.produceCharts(run)) return false;
  if (flavor.afterCharts) flavor.afterCharts(run);
  return true;
}

}  // namespace

void RunProcedure(const ProcedureFlavor& flavor) {
  ChartBase::printDebugInfo(std::string("Starting ") + flavor.name + " Procedure");
  BpProcedure procedure(flavor.title(), kShowProcedure);
  try {
    if (!RunGuardedSteps(flavor, procedure)) return;
  } catch (const VexaGoToCaller&) {
    throw;
  } catch (const std::exception&) {
    ReportText("Unexpected Error.", kLevelError);
  }
  ChartBase::printDebugInfo(std::string("Ending ") + flavor.name + " Procedure");
}
