#pragma once
// Parses the first command of a text with the GGRAPH parser and keeps
// everything alive for the checks.

#include <string>
#include <utility>
#include <vector>

#include "FacSTDictionary.h"
#include "PathFactory.h"
#include "ProcedureDataSource.h"
#include "command/GGraphSettings.h"
#include "syntax/GGraphCommandParser.h"
#include "tests/support/ModuleSession.h"

// Issued messages as (level, text) pairs.
using Messages = std::vector<std::pair<int, std::string>>;

struct ParsedCommand {
  explicit ParsedCommand(const std::string& text, EngineOptions options = {})
      : session(text, std::move(options)), dictionary(PathFactory::getPathInstance(3)), parser(&dataSource, &dictionary) {
    dictionary.SetProcedure("GGRAPH");
    accepted = parser.Parse();
  }
  GGraphSettings& Settings() { return parser.Settings(); }

  ModuleSession session;
  ProcedureDataSource dataSource;
  FacSTDictionary dictionary;
  GGraphCommandParser parser;
  bool accepted = false;
};
