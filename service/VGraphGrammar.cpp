#include "service/VGraphGrammar.h"

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"

namespace {

// Case by case, a graph service gets no column for a multiple-response set.
bool HoldsSetWithoutAggregation(const GGraphSettings& settings) {
  for (const auto& dataSet : settings.GetUnaggregatedDataSets()) {
    for (const auto& variable : dataSet->GetVariables()) {
      const VariableResolver* resolver = variable->GetResolver();
      if (resolver && (resolver->getVariableType() == CATEGORY_SET || resolver->getVariableType() == DICHOTOMY_SET))
        return true;
    }
  }
  return false;
}

bool ValidateVGraph(GGraphCommandParser& parser) {
  if (parser.Settings().GetGraphSpecs().empty()) {
    ReportText("The VGRAPH command must contain at least one GRAPHSPEC subcommand.", kLevelError);
    return false;
  }
  if (HoldsSetWithoutAggregation(parser.Settings())) {
    ReportText("An aggregation function must be specified when using multiple response sets.", kLevelError);
    return false;
  }
  return true;
}

}  // namespace

CommandGrammar VGraphGrammar() {
  return CommandGrammar{
      .commandName = "VGraph",
      .table = {
          {.name = "GRAPHDATASET", .number = 1, .maximum = kUnlimited, .handler = HandleGraphDataSet,
           .keywords = GraphDataSetKeywords},
          {.name = "GRAPHSPEC", .number = 2, .maximum = kUnlimited, .handler = HandleVGraphSpec,
           .keywords = VGraphSpecKeywords},
          {.name = "BEGINGSRV", .number = 0, .maximum = kUnlimited},
      },
      .readsRfmMode = false,
      .block = {.beginMarker = "BEGIN GRAPHSRV", .endMarker = "END GRAPHSRV", .keepEveryLine = true},
      .missingBlockMessage = "An inline graph service specification was expected but not found.",
      .storeBlock = &GraphSpec::SetServiceText,
      .validate = ValidateVGraph,
      .alwaysReportMissing = true,
  };
}
