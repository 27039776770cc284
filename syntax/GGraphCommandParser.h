#pragma once
#include <memory>

#include "syntax/CommandGrammar.h"

class DataSetBinding;
class FacSTDictionary;
class GGraphSettings;
class ParserMessage;
class ProcedureDataSource;
class SubComObj;

// Turns the tokens of one command, and the inline blocks after it, into
// settings.
class GGraphCommandParser {
 public:
  GGraphCommandParser(ProcedureDataSource* dataSource, FacSTDictionary* dictionary,
                      CommandGrammar grammar = GGraphGrammar());
  ~GGraphCommandParser();
  GGraphCommandParser(const GGraphCommandParser&) = delete;
  GGraphCommandParser& operator=(const GGraphCommandParser&) = delete;

  // True when the whole command was accepted; the messages are already issued
  // when false.
  bool Parse();
  // The checks of the command as a whole.
  bool Validate();
  GGraphSettings& Settings();

  // What the subcommand handlers work with; the binding is their only way to
  // the engine's data.
  const DataSetBinding& Binding() const;
  FacSTDictionary* Dictionary() const;
  const ParserMessage& Messages() const;
  const CommandGrammar& Grammar() const;

 private:
  bool Dispatch(const SubComObj& subcommand);
  bool CaptureInlineBlocks();

  struct Rep;
  Rep* rep_;
};
