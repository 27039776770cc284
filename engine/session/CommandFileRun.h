#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "engine/session/EngineOptions.h"

struct PageAssets;
class OutputSink;

// Where a run writes its output.
struct RunOutputs {
  std::ostream* listing = nullptr;  // the text listing, or null
  std::ostream* json = nullptr;     // the JSON output document, or null
  std::ostream* html = nullptr;     // the run as a web page, or null
  const PageAssets* pageAssets = nullptr;  // what the page inlines; needed with html
  std::string pageTitle = {};
  std::vector<OutputSink*> more = {};  // further sinks the caller owns (pictures), fed after these
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
