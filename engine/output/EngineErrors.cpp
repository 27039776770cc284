#include "engine/output/EngineErrors.h"

#include <array>
#include <utility>

#include "OmComposite.h"
#include "engine/output/OutputDocument.h"

namespace {

struct ErrorText {
  int number;
  const char* text;
};

constexpr std::array kErrorTexts = {
    ErrorText{kErrUnknownCommand, "^1 is not a recognized command. The command was skipped."},
    ErrorText{kErrUnterminatedLiteral, "The quoted text that begins on line ^1 is not terminated."},
    ErrorText{kErrUnexpectedCharacter, "The character ^1 on line ^2 is not valid in a command."},
    ErrorText{kErrSubcommandNameExpected, "A subcommand name was expected after the slash on line ^1."},
    ErrorText{kErrLineTooLong, "Line ^1 is longer than ^2 characters. The command was abandoned."},
    ErrorText{kErrUnterminatedBlock, "The ^1 block that begins on line ^2 has no ^3 line."},
    ErrorText{kErrParenRequired, "^1 subcommand ^2: a left parenthesis is required here."},
    ErrorText{kErrValueOutOfRange,
              "^1 subcommand ^2: the value ^3 of ^4 is out of range. It must be between ^5 and ^6."},
    ErrorText{kErrModuleNotLoaded, "The graph module could not be loaded: ^1"},
    ErrorText{kErrModuleFault, "The ^1 command failed unexpectedly: ^2"},
    ErrorText{kErrInterrupted, "The procedure was interrupted."},
    ErrorText{kErrStrayGplBlock,
              "A BEGIN GPL block is only valid after a GGRAPH command. The block was skipped."},
    ErrorText{kErrStrayGraphServiceBlock,
              "A BEGIN GRAPHSRV block is only valid after a VGRAPH command. The block was skipped."},
};

}  // namespace

std::string EngineErrorText(int number, const std::vector<std::string>& args) {
  for (const ErrorText& entry : kErrorTexts)
    if (entry.number == number) return SubstitutePlaceholders(entry.text, args);
  return "Engine error " + std::to_string(number) + ".";
}

void ReportEngineError(int number, const std::vector<std::string>& args) {
  if (OutputDocument* output = CurrentOutput()) output->AddMessage(3, EngineErrorText(number, args), number);
}
