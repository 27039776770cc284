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
          {.name = "GRAPHDATASET", .number = 1, .maximum = kUnlimited, .handler = HandleGraphDataSet,
           .keywords = GraphDataSetKeywords},
          {.name = "GRAPHSPEC", .number = 2, .maximum = kUnlimited, .handler = HandleGraphSpec,
           .keywords = GraphSpecKeywords},
          {.name = "FITLINE", .number = 4, .maximum = 1, .handler = HandleFitLine, .keywords = FitLineKeywords},
          {.name = "STYLE", .number = 5, .maximum = 1, .handler = HandleStyle, .keywords = StyleKeywords},
          {.name = "BEGINGPL", .number = 0, .maximum = kUnlimited},
          {.name = "DESCRIPTION", .number = 3, .maximum = kUnlimited, .handler = HandleDescription, .rfmOnly = true,
           .keywords = DescriptionKeywords},
          {.name = "COLORCYCLE", .number = 6, .maximum = 1, .handler = HandleColorCycle,
           .keywords = ColorCycleKeywords},
          {.name = "FRAME", .number = 7, .maximum = 1, .handler = HandleFrame, .keywords = FrameKeywords},
          {.name = "GRIDLINES", .number = 8, .maximum = 1, .handler = HandleGridlines, .keywords = GridlinesKeywords},
      },
      .readsRfmMode = true,
      .block = {.beginMarker = "BEGIN GPL", .endMarker = "END GPL", .keepEveryLine = false},
      .missingBlockMessage = "An inline graph specification was expected but not found.",
      .storeBlock = &GraphSpec::SetGplText,
      .validate = ValidateGGraph,
      .alwaysReportMissing = false,
  };
}
