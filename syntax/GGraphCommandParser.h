#pragma once
#include <memory>

class FacSTDictionary;
class ProcedureDataSource;

// Turns the tokens of one GGRAPH command into settings.
class GGraphCommandParser {
 public:
  GGraphCommandParser(ProcedureDataSource* dataSource, FacSTDictionary* dictionary);
  ~GGraphCommandParser();
  GGraphCommandParser(const GGraphCommandParser&) = delete;
  GGraphCommandParser& operator=(const GGraphCommandParser&) = delete;

  // True when the whole command was accepted; the messages are already issued
  // when false.
  bool Parse();
  // The checks of the command as a whole.
  bool Validate();

 private:
  struct Rep;
  std::unique_ptr<Rep> rep_;
};
