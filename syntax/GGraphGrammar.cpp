#include "graphspec/GraphSpec.h"
#include "syntax/CommandGrammar.h"
#include "syntax/GGraphCommandParser.h"
#include "validation/CommandValidation.h"

namespace {

bool ValidateGGraph(GGraphCommandParser& parser) { return ValidateCommand(parser.Settings()); }

}  // namespace

CommandGrammar GGraphGrammar() {
  return CommandGrammar{
      .commandName = "GGraph",
      .table = {
          {.name = "GRAPHDATASET", .number = 1, .maximum = kUnlimited, .handler = HandleGraphDataSet},
          {.name = "GRAPHSPEC", .number = 2, .maximum = kUnlimited, .handler = HandleGraphSpec},
          {.name = "FITLINE", .number = 4, .maximum = 1, .handler = HandleFitLine},
          {.name = "STYLE", .number = 5, .maximum = 1, .handler = HandleStyle},
          {.name = "BEGINGPL", .number = 0, .maximum = kUnlimited},
          {.name = "DESCRIPTION", .number = 3, .maximum = kUnlimited, .handler = HandleDescription, .rfmOnly = true},
          {.name = "COLORCYCLE", .number = 6, .maximum = 1, .handler = HandleColorCycle},
          {.name = "FRAME", .number = 7, .maximum = 1, .handler = HandleFrame},
          {.name = "GRIDLINES", .number = 8, .maximum = 1, .handler = HandleGridlines},
      },
      .readsRfmMode = true,
      .block = {.beginMarker = "BEGIN GPL", .endMarker = "END GPL", .keepEveryLine = false},
      .missingBlockMessage = "An inline graph specification was expected but not found.",
      .storeBlock = &GraphSpec::SetGplText,
      .validate = ValidateGGraph,
      .alwaysReportMissing = false,
  };
}
