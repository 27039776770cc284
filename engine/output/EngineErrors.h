#pragma once
#include <string>
#include <vector>

// Engine error numbers and their texts (placeholders ^1, ^2, ...).
enum EngineError {
  kErrUnknownCommand = 1,
  kErrUnterminatedLiteral = 2,
  kErrUnexpectedCharacter = 3,
  kErrSubcommandNameExpected = 4,
  kErrLineTooLong = 5,
  kErrUnterminatedBlock = 6,
  kErrParenRequired = 7,
  kErrValueOutOfRange = 8,
  kErrModuleNotLoaded = 9,
  kErrModuleFault = 10,
  kErrInterrupted = 11,
  kErrStrayGplBlock = 99,
  kErrStrayGraphServiceBlock = 148,
};

// Reports engine error number as an error-level message with its text.
void ReportEngineError(int number, const std::vector<std::string>& args = {});
// The text of an engine error with its placeholders filled.
std::string EngineErrorText(int number, const std::vector<std::string>& args);
