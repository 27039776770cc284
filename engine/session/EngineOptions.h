#pragma once
#include <string>
#include <utility>
#include <vector>

// How the engine was started.
struct EngineOptions {
  std::string dataPath;                                        // working data, may be empty
  std::vector<std::pair<std::string, std::string>> dataSets;   // named data sets
  std::string invokedBy;                                       // two-character module code
  bool thinClient = false;
  bool debug = false;
  char delimiter = 0;                                          // of plain CSV files; 0: detected
  std::vector<std::string> outputPaths;                        // files the run writes, never read by it
};
