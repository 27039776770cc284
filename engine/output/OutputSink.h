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
};
