#pragma once
#include <string>

// The command-parser library's own wording for common syntax errors.
class ParserMessage {
 public:
  void SetCommandName(const char* name) { command_ = name; }
  void SetProcedureTitle(const char* title) { title_ = title; }

  void ParenRequired(const char* subcommand) const;
  void ParamValueBreakBdry(double value, double low, int lowInclusive, double high, int highInclusive,
                           const char* keyword, const char* subcommand) const;

 private:
  std::string command_;
  std::string title_;
};

// 0 when the engine accepts the name; 100 for a scratch name (starting with #);
// 3 and above (other than 100) when it rejects it.
int ValidateVEXAName(const char* name);
