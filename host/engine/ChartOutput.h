#pragma once
#include <string>

class OutputItem;

// The engine's output as the chart library writes into it: sent charts and
// model messages as items, its warnings and errors, its debug lines.
class ChartOutput {
 public:
  virtual ~ChartOutput() = default;
  // True when a sink wants each chart's Vega-Lite JSON.
  virtual bool WantsChartSpecs() const = 0;
  virtual void Add(const OutputItem& item) = 0;
  // level 2 a warning, 3 an error; engineError is the engine's error number or 0.
  virtual void AddMessage(int level, const std::string& text, int engineError = 0) = 0;
  // Shown only when debugging is on.
  virtual void AddDebug(const std::string& text) = 0;
};

// The output of the run in progress; null outside a run.
ChartOutput* CurrentChartOutput();
