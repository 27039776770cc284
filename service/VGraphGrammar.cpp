#include "service/VGraphGrammar.h"

#include "model/GGraphSettings.h"
#include "spec/GraphSpec.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SyntaxMessages.h"

namespace {

bool ValidateVGraph(GGraphCommandParser& parser) {
  if (parser.Settings().GetGraphSpecs().empty()) {
    ReportText("The VGRAPH command must contain at least one GRAPHSPEC subcommand.", kLevelError);
    return false;
  }
  return true;
}

}  // namespace

CommandGrammar VGraphGrammar() {
  return CommandGrammar{
      "VGraph",
      {
          {"GRAPHDATASET", 1, kUnlimited, 0, HandleGraphDataSet, false},
          {"GRAPHSPEC", 2, kUnlimited, 0, HandleVGraphSpec, false},
          {"BEGINGSRV", 0, kUnlimited, 0, nullptr, false},
      },
      false,
      InlineBlockFormat{"BEGIN GRAPHSRV", "END GRAPHSRV", true},
      "An inline graph service specification was expected but not found.",
      &GraphSpec::SetServiceText,
      ValidateVGraph,
      true,
  };
}
