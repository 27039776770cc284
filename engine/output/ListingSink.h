#pragma once
#include <ostream>

#include "OutputSink.h"

// Writes the readable text listing.
class ListingSink : public OutputSink {
 public:
  explicit ListingSink(std::ostream& out) : out_(out) {}
  void BeginProcedure(const std::string& title) override;
  void EndProcedure() override;
  void Item(const OutputItem& item) override;
  void Finish() override { out_.flush(); }

 private:
  std::ostream& out_;
};
