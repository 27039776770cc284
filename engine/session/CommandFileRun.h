#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "engine/session/EngineOptions.h"

// Where a run writes its output.
struct RunOutputs {
  std::ostream* listing = nullptr;  // the text listing, or null
  std::ostream* json = nullptr;     // the JSON output document, or null
};

struct RunResult {
  int errors = 0;
  int warnings = 0;
  std::vector<std::string> outputsRead;  // output files the commands tried to read
  bool namedWithoutData = false;         // a command looked for a variable without working data
};

// Runs every command of a command file. baseFolder is the folder that relative
// file names in the commands are taken from.
RunResult RunCommandStream(std::istream& commands, const std::string& baseFolder, const EngineOptions& options,
                           const RunOutputs& outputs);
