#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "syntax/SubcommandHandler.h"

class GraphSpec;

// One subcommand of a command's table; the parser counts its occurrences.
struct SubCommandEntry {
  std::string name;
  std::uint32_t number = 0;
  std::uint32_t maximum = 0;              // all ones: unlimited
  SubcommandHandler handler = nullptr;    // null: accepted and ignored
  bool rfmOnly = false;                   // dispatched only in RFM mode
  SubcommandKeywords keywords = nullptr;  // null: no keywords (a block marker)
};

inline constexpr std::uint32_t kUnlimited = 0xffffffffu;

// How an inline block after the command is read.
struct InlineBlockFormat {
  const char* beginMarker;
  const char* endMarker;
  // Keep every line whole: blank, one-character, and the opening line's rest.
  bool keepEveryLine;
};

// What distinguishes one command of the parser from another.
struct CommandGrammar {
  const char* commandName;  // in messages and as the procedure title
  std::vector<SubCommandEntry> table;
  bool readsRfmMode;
  InlineBlockFormat block;
  const char* missingBlockMessage;
  // Where an inline spec keeps its block text.
  void (GraphSpec::*storeBlock)(const std::string&);
  // The checks of the whole command after parsing.
  bool (*validate)(GGraphCommandParser& parser);
  // Every data set of the command reports missing values.
  bool alwaysReportMissing;
};

// The GGRAPH command.
CommandGrammar GGraphGrammar();
