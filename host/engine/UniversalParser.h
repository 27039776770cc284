#pragma once

class VEXA_TokenSequence;
class CommandSpec;
class CommandDescriptor;

// Splits a command's tokens into subcommands.
class UniversalParser {
 public:
  UniversalParser(VEXA_TokenSequence& tokens, CommandSpec& spec, const CommandDescriptor& descriptor);

  // Non-zero when a syntax error was found; the error is already reported.
  int getCommandSpecifications();

 private:
  VEXA_TokenSequence& tokens_;
  CommandSpec& spec_;
  const CommandDescriptor& descriptor_;
};
