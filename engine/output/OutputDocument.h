#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ChartOutput.h"

class OutputItem;
class OutputSink;

// Everything a run produces, handed on to the sinks as it comes (nothing is
// held back, so a chart of millions of rows streams through).
class OutputDocument : public ChartOutput {
 public:
  OutputDocument();
  ~OutputDocument() override;
  OutputDocument(const OutputDocument&) = delete;
  OutputDocument& operator=(const OutputDocument&) = delete;

  void AddSink(std::unique_ptr<OutputSink> sink);
  bool WantsChartSpecs() const override;

  void BeginProcedure(const std::string& title);
  void EndProcedure();
  void Add(const OutputItem& item) override;
  void AddMessage(int level, const std::string& text, int engineError = 0) override;
  // An echoed command line; line is its number in the command file (0 when unknown).
  void AddLog(const std::string& text, int line = 0);
  void AddDebug(const std::string& text) override;
  void SplitChange();

  void SetDebug(bool on) { debug_ = on; }
  bool Debug() const { return debug_; }
  // The position the next error message names.
  void SetErrorPosition(int line, int column);

  int ErrorCount() const { return errors_; }
  int WarningCount() const { return warnings_; }
  // Closes open procedures and the sinks.
  void Finish();

 private:
  std::vector<std::unique_ptr<OutputSink>> sinks_;
  int openProcedures_ = 0;
  int errors_ = 0;
  int warnings_ = 0;
  int errorLine_ = 0;
  int errorColumn_ = 0;
  bool debug_ = false;
  bool finished_ = false;
};

// The output of the engine session that is running; null outside a run. The
// host's entry points that write output take no output of their own, so they
// reach it here.
OutputDocument* CurrentOutput();

// Makes an output the current one while it lives (the engine session holds one).
class CurrentOutputScope {
 public:
  explicit CurrentOutputScope(OutputDocument& output);
  ~CurrentOutputScope();
  CurrentOutputScope(const CurrentOutputScope&) = delete;
  CurrentOutputScope& operator=(const CurrentOutputScope&) = delete;

 private:
  OutputDocument* previous_;
};
