#pragma once
#include <memory>
#include <ostream>

#include "JsonWriter.h"
#include "OutputSink.h"

// Writes the output document as JSON, item by item: {"items": [...]}.
class JsonSink : public OutputSink {
 public:
  explicit JsonSink(std::ostream& out);
  void BeginProcedure(const std::string& title) override;
  void EndProcedure() override;
  void Item(const OutputItem& item) override;
  void Finish() override;
  bool WantsChartSpecs() const override { return true; }

 private:
  std::ostream& out_;
  rapidjson::OStreamWrapper stream_;
  JsonWriter writer_;
};
