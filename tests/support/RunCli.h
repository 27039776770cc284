#pragma once
// Runs the ggraph front end and gives back its exit status and output.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct CliResult {
  int status;
  std::string output;
};

// Standard error goes with the output, or is dropped with dropErrors.
inline CliResult RunCli(const std::string& arguments, bool dropErrors = false) {
  std::string command = std::string(GGRAPH_CLI) + " " + arguments + (dropErrors ? " 2>/dev/null" : " 2>&1");
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
  int status = pclose(pipe);
  return CliResult{WEXITSTATUS(status), output};
}
