#include "graphspec/GraphSpec.h"
#include "syntax/CommandGrammar.h"
#include "syntax/CommandValidation.h"
#include "syntax/GGraphCommandParser.h"

namespace {

bool ValidateGGraph(GGraphCommandParser& parser) { return ValidateCommand(parser.Settings()); }

}  // namespace

CommandGrammar GGraphGrammar() {
  return CommandGrammar{
      "GGraph",
      {
          {"GRAPHDATASET", 1, kUnlimited, 0, HandleGraphDataSet, false},
          {"GRAPHSPEC", 2, kUnlimited, 0, HandleGraphSpec, false},
          {"FITLINE", 4, 1, 0, HandleFitLine, false},
          {"STYLE", 5, 1, 0, HandleStyle, false},
          {"BEGINGPL", 0, kUnlimited, 0, nullptr, false},
          {"DESCRIPTION", 3, kUnlimited, 0, HandleDescription, true},
          {"COLORCYCLE", 6, 1, 0, HandleColorCycle, false},
          {"FRAME", 7, 1, 0, HandleFrame, false},
          {"GRIDLINES", 8, 1, 0, HandleGridlines, false},
      },
      true,
      InlineBlockFormat{"BEGIN GPL", "END GPL", false},
      "An inline graph specification was expected but not found.",
      &GraphSpec::SetGplText,
      ValidateGGraph,
      false,
  };
}
