#pragma once
#include <string>

class OutputItem;

// Receives the output as it is produced, in order.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void BeginProcedure(const std::string& title) = 0;
  virtual void EndProcedure() = 0;
  virtual void Item(const OutputItem& item) = 0;
  // Called once after the last item.
  virtual void Finish() = 0;
  // True when the sink writes what a chart looks like (the JSON document,
  // pictures): charts are then compiled for drawing before they are sent.
  virtual bool WantsChartSpecs() const { return false; }
};
