#pragma once
#include <string>
#include <vector>

#include "engine/session/EngineOptions.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitErrors = 1;
inline constexpr int kExitUsage = 2;

struct RunArguments {
  std::string commandFile;
  std::vector<std::string> dataSets;  // NAME=PATH
  std::string jsonPath;
  std::string htmlPath;
  std::string svgFolder;  // a picture of every drawn chart, when not empty
  std::string pngFolder;
  EngineOptions options;
};

// Runs the command file; 0 without error messages, 1 with one or when a
// picture could not be drawn or written, 2 when the run could not start (the
// reason goes to standard error).
int RunCommandFile(RunArguments& arguments);
